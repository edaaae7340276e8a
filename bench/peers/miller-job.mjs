// Writes the peer job for Miller: the whole convert setting "bench" as a
// Miller program, so that it writes what rowsmith-cli writes for it
// (bench/peers.sh compares the two). Miller reads the lines file first and
// keeps, per order number, the lines' product names and numbers merged in
// line order, their quantities and prices summed and the first line's option;
// then it turns every order of the orders file into its row, in file order.
// The rules' characters and numbers follow Rowsmith's (characters.mjs).
// Usage: node miller-job.mjs >JOB.mlr; mlr -S --icsv --ocsv put -q -f JOB.mlr LINES.csv ORDERS.csv
import {
  fullWidth, halfWidth, toHiragana, toKatakana, space, shop, sender,
} from './characters.mjs';

const quoted = (text) => JSON.stringify(text);
const single = ([from, to]) => [...from].length === 1 && [...to].length === 1;
// A function that replaces the pairs with two characters on a side first,
// then looks every character up in a map of the others.
const conversion = (name, pairs) => {
  const map = Object.fromEntries(pairs.filter(single));
  return `func ${name}(str s): str {
  var t = s;
${pairs.filter((pair) => !single(pair)).map(([from, to]) =>
    `  t = gssub(t, ${quoted(from)}, ${quoted(to)});`).join('\n')}
  var out = "";
  var n = strlen(t);
  for (int i = 1; i <= n; i += 1) {
    var c = substr1(t, i, i);
    out = out . (haskey(@${name}, c) ? @${name}[c] : c);
  }
  return out;
}
begin { @${name} = ${JSON.stringify(map)} }`;
};

const f = (column) => `\${${column}}`;
process.stdout.write(`${conversion('fullwidth', fullWidth)}
${conversion('halfwidth', halfWidth)}
${conversion('hiragana', toHiragana)}
${conversion('katakana', toKatakana)}

func trim(str s): str {
  return gsub(s, "^${space}+|${space}+$", "");
}
func simplified(str s): str {
  return gsub(trim(s), "${space}+", " ");
}
# A 32-bit number, or 0 when the text is none.
func number(str s): int {
  if (!(s =~ "^${space}*[+-]?[0-9]+${space}*$")) {
    return 0;
  }
  var n = int(trim(s));
  return n < -2147483648 || n > 2147483647 ? 0 : n;
}
func left(str s, int count): str {
  return strlen(s) <= count ? s : substr1(s, 1, count);
}
func right(str s, int count): str {
  var n = strlen(s);
  return n <= count ? s : substr1(s, n - count + 1, n);
}
func cutleft(str s, int count): str {
  var n = strlen(s);
  return n <= count ? "" : substr1(s, count + 1, n);
}
# A line feed after every \`width\` characters while the cut lies before the last one.
func breaklines(str s, int width): str {
  var n = strlen(s);
  if (width < 1 || width >= n - 1) {
    return s;
  }
  var breaks = (n - 2) // width;
  var out = "";
  for (int b = 0; b < breaks; b += 1) {
    out = out . substr1(s, b * width + 1, b * width + width) . "\\n";
  }
  return out . substr1(s, breaks * width + 1, n);
}

if (is_present(${f('商品名')})) {
  # An order line: merged into its order's values, no row of its own.
  k = ${f('受注番号')};
  if (is_present(@products[k])) {
    @products[k] = @products[k] . "／" . trim(${f('商品名')});
    @numbers[k] = @numbers[k] . "\\n" . toupper(${f('商品番号')});
    # Summed from the second line on; one line's value stays as it is.
    @quantity[k] = number(string(@quantity[k])) + number(${f('個数')});
    @price[k] = number(string(@price[k])) + number(${f('単価')});
  } else {
    @products[k] = trim(${f('商品名')});
    @numbers[k] = toupper(${f('商品番号')});
    @quantity[k] = ${f('個数')};
    @price[k] = ${f('単価')};
    option = ${f('項目選択肢')};
    @option[k] = halfwidth(option =~ "なし" ? "" : option);
  }
} else {
  # An order. Order numbers are unique in the orders file; an order without
  # lines has empty line cells.
  k = ${f('受注番号')};
  merged = is_present(@products[k]);
  post = ${f('郵便番号')};
  tel = ${f('電話番号')};
  note = ${f('配送備考')};
  payment = ${f('支払方法')};
  row = {
    "注文番号": k,
    "注文日": left(${f('受注日時')}, 10),
    "注文時刻": right(${f('受注日時')}, 8),
    "お届け先名": simplified(${f('注文者氏名')} . "様"),
    "お届け先カナ": katakana(fullwidth(${f('注文者カナ')})),
    "ふりがな": hiragana(fullwidth(${f('注文者カナ')})),
    "郵便番号": gssub(post, "-", ""),
    "郵便番号下4桁": cutleft(post, 4),
    "住所": breaklines(trim(${f('住所')}), 24),
    "住所1行": gssub(gssub(post . "　" . ${f('住所')}, "\\r", ""), "\\n", ""),
    "電話番号": tel =~ "^0" ? "+81-" . cutleft(tel, 1) : tel,
    "メール": tolower(${f('メールアドレス')}),
    "備考": gssub(note, "\\n", "\\r\\n"),
    "備考LF": "※" . gssub(note, "\\r\\n", "\\n"),
    "支払方法": payment == "代金引換" ? "COD" : payment,
    "商品合計": ${f('商品合計')},
    "送料": number(${f('送料')}) > 0 ? ${f('送料')} : "",
    "代引手数料": payment == "代金引換" || (number(${f('代引手数料')}) >= 1 && number(${f('代引手数料')}) <= 1000)
      ? ${f('代引手数料')} . "円" : "",
    "合計金額": ${f('合計金額')},
    "商品名": "【" . (merged ? @products[k] : "") . "】",
    "商品番号": merged ? @numbers[k] : "",
    "個数": merged ? @quantity[k] : "",
    "単価計": (merged ? @price[k] : "") . "円",
    "店舗": ${quoted(shop)},
    "発送元": ${quoted(sender)},
    "要確認": note != "" && number(${f('合計金額')}) >= 10000 ? "要確認" : "",
    "選択肢": merged ? @option[k] : "",
  };
  emit row;
}
`);
