// The peer job for DuckDB: the order lines grouped by order number (product
// names and numbers merged, quantities and prices summed), joined to the
// orders, a few string functions, written as CSV.
// Usage: node duckdb-job.mjs MODULES_FOLDER ORDERS.csv LINES.csv OUT.csv
import { createRequire } from 'node:module';
import path from 'node:path';

const [modules, orders, lines, out] = process.argv.slice(2);
const require = createRequire(path.join(modules, 'package.json'));
const { DuckDBInstance } = require('@duckdb/node-api');

const text = (file) => `read_csv('${file}', header = true, all_varchar = true)`;
const sql = `
COPY (
  WITH l AS (
    SELECT "受注番号" AS k,
           string_agg(trim("商品名"), '／') AS products,
           string_agg(upper("商品番号"), chr(10)) AS numbers,
           sum(TRY_CAST("個数" AS INTEGER)) AS quantity,
           sum(TRY_CAST("単価" AS INTEGER)) AS price
    FROM ${text(lines)} GROUP BY k)
  SELECT o."受注番号", left(o."受注日時", 10) AS day, right(o."受注日時", 8) AS time,
         o."注文者氏名" || '様' AS name, replace(o."郵便番号", '-', '') AS post,
         lower(o."メールアドレス") AS mail, o."住所", o."配送備考", o."合計金額",
         l.products, l.numbers, l.quantity, l.price
  FROM ${text(orders)} AS o LEFT JOIN l ON o."受注番号" = l.k
) TO '${out}' (HEADER, DELIMITER ',')`;

const instance = await DuckDBInstance.create(':memory:', { threads: '2' });
const connection = await instance.connect();
await connection.run(sql);
