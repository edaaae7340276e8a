// The peer job for DuckDB: the whole convert setting "bench" in SQL, so that
// it writes what rowsmith-cli writes for it (bench/peers.sh compares the two).
// The order lines are joined to the orders on the order number; an order
// becomes one row, in the order of the orders file, with its lines' product
// names and numbers merged in line order and their quantities and prices
// summed; every item goes through the same rules. The rules' characters and
// numbers follow Rowsmith's (characters.mjs): white space as Qt sees it,
// numbers read as 32-bit integers or 0, its width and kana tables.
// Usage: node duckdb-job.mjs MODULES_FOLDER ORDERS.csv LINES.csv OUT.csv
import { createRequire } from 'node:module';
import path from 'node:path';
import {
  fullWidth, halfWidth, toHiragana as toHiraganaPairs, toKatakana as toKatakanaPairs, space, shop,
  sender,
} from './characters.mjs';

const [modules, orders, lines, out] = process.argv.slice(2);
const require = createRequire(path.join(modules, 'package.json'));
const { DuckDBInstance } = require('@duckdb/node-api');

const quoted = (text) => `'${text.replaceAll("'", "''")}'`;
// A chain of replace() calls, one per pair, the first pair innermost.
const replaced = (value, pairs) =>
  pairs.reduce((sql, [from, to]) => `replace(${sql}, ${quoted(from)}, ${quoted(to)})`, value);

const translated = (value, pairs) =>
  `translate(${value}, ${quoted(pairs.map(([from]) => from).join(''))}, ` +
  `${quoted(pairs.map(([, to]) => to).join(''))})`;
// Pairs with two characters on a side by replace(), then the others at once.
const single = ([from, to]) => [...from].length === 1 && [...to].length === 1;
const converted = (conversion) => (value) =>
  translated(replaced(value, conversion.filter((pair) => !single(pair))), conversion.filter(single));
const toFullWidth = converted(fullWidth);
const toHalfWidth = converted(halfWidth);
const toHiragana = converted(toHiraganaPairs);
const toKatakana = converted(toKatakanaPairs);

const trim = (v) => `regexp_replace(${v}, '^${space}+|${space}+$', '', 'g')`;
const simplified = (v) => `regexp_replace(${trim(v)}, '${space}+', ' ', 'g')`;
const number = (v) =>
  `(CASE WHEN regexp_full_match(${v}, '${space}*[+-]?[0-9]+${space}*') ` +
  `THEN coalesce(TRY_CAST(${trim(v)} AS INTEGER), 0) ELSE 0 END)`;
// Summed when there are two lines or more; one line's value stays as it is.
const summed = (v) => `(CASE WHEN count(*) = 1 THEN min(${v}) ELSE sum(${number(v)})::VARCHAR END)`;
// A line feed after every `width` characters while the cut lies before the last one.
const breakLines = (v, width) => `(CASE WHEN ${width} >= length(${v}) - 1 THEN ${v} ELSE array_to_string(
    list_concat([substr(${v}, 1 + ${width} * i, ${width}) for i in range((length(${v}) - 2) // ${width})],
                [substr(${v}, 1 + ${width} * ((length(${v}) - 2) // ${width}))]), chr(10)) END)`;

const o = (column) => `o."${column}"`;
// Every value as text, an empty one too (no text reads as NULL).
const text = (file) =>
  `read_csv(${quoted(file)}, header = true, all_varchar = true, delim = ',', quote = '"', ` +
  `escape = '"', nullstr = chr(1))`;
const statements = [
  // Tables keep the files' line order in their row ids. A line break inside a
  // quoted value reads as a line feed, as Rowsmith reads it.
  `CREATE TABLE orders AS SELECT replace(COLUMNS(*), chr(13) || chr(10), chr(10)) FROM ${text(orders)}`,
  `CREATE TABLE lines AS SELECT replace(COLUMNS(*), chr(13) || chr(10), chr(10)) FROM ${text(lines)}`,
  // Order numbers are unique in the orders file, so an order's first joined
  // row is its order row, and the order of the first joined rows is the
  // orders' own.
  `COPY (
  WITH merged AS (
    SELECT "受注番号" AS k,
           string_agg(${trim('"商品名"')}, '／' ORDER BY rowid) AS products,
           string_agg(upper("商品番号"), chr(10) ORDER BY rowid) AS numbers,
           ${summed('"個数"')} AS quantity,
           ${summed('"単価"')} AS price,
           first(CASE WHEN contains("項目選択肢", 'なし') THEN '' ELSE "項目選択肢" END
                 ORDER BY rowid) AS option
    FROM lines GROUP BY k)
  SELECT ${o('受注番号')} AS "注文番号",
         left(${o('受注日時')}, 10) AS "注文日",
         right(${o('受注日時')}, 8) AS "注文時刻",
         ${simplified(`${o('注文者氏名')} || '様'`)} AS "お届け先名",
         ${toKatakana('o.full_kana')} AS "お届け先カナ",
         ${toHiragana('o.full_kana')} AS "ふりがな",
         replace(${o('郵便番号')}, '-', '') AS "郵便番号",
         substr(${o('郵便番号')}, 5) AS "郵便番号下4桁",
         ${breakLines(trim(o('住所')), 24)} AS "住所",
         replace(replace(${o('郵便番号')} || '　' || ${o('住所')}, chr(13), ''), chr(10), '') AS "住所1行",
         CASE WHEN starts_with(${o('電話番号')}, '0') THEN '+81-' || substr(${o('電話番号')}, 2)
              ELSE ${o('電話番号')} END AS "電話番号",
         lower(${o('メールアドレス')}) AS "メール",
         replace(${o('配送備考')}, chr(10), chr(13) || chr(10)) AS "備考",
         '※' || replace(${o('配送備考')}, chr(13) || chr(10), chr(10)) AS "備考LF",
         CASE WHEN ${o('支払方法')} = '代金引換' THEN 'COD' ELSE ${o('支払方法')} END AS "支払方法",
         ${o('商品合計')} AS "商品合計",
         CASE WHEN ${number(o('送料'))} > 0 THEN ${o('送料')} ELSE '' END AS "送料",
         CASE WHEN ${o('支払方法')} = '代金引換' OR ${number(o('代引手数料'))} BETWEEN 1 AND 1000
              THEN ${o('代引手数料')} || '円' ELSE '' END AS "代引手数料",
         ${o('合計金額')} AS "合計金額",
         '【' || coalesce(m.products, '') || '】' AS "商品名",
         coalesce(m.numbers, '') AS "商品番号",
         coalesce(m.quantity, '') AS "個数",
         coalesce(m.price, '') || '円' AS "単価計",
         ${quoted(shop)} AS "店舗",
         ${quoted(sender)} AS "発送元",
         CASE WHEN ${o('配送備考')} <> '' AND ${number(o('合計金額'))} >= 10000
              THEN '要確認' ELSE '' END AS "要確認",
         ${toHalfWidth("coalesce(m.option, '')")} AS "選択肢"
  -- The buyer's kana goes to full width once for both kana items.
  FROM (SELECT *, rowid AS line, ${toFullWidth('"注文者カナ"')} AS full_kana FROM orders) AS o
  LEFT JOIN merged AS m ON ${o('受注番号')} = m.k
  ORDER BY o.line
) TO ${quoted(out)} (HEADER, DELIMITER ',')`,
];

const instance = await DuckDBInstance.create(':memory:', { threads: '2' });
const connection = await instance.connect();
for (const statement of statements) await connection.run(statement);
