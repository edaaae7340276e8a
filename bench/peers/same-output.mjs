// Whether two CSV files hold the same records, value for value, whatever
// differs in how each program writes CSV: which values are quoted (DuckDB
// quotes an empty string, Rowsmith only what needs it), the line end after a
// record (LF or CRLF) and a UTF-8 byte order mark. Line ends inside a value
// count as they are. Both files are UTF-8. Exits 1 with the first difference.
// Usage: node same-output.mjs EXPECTED.csv ACTUAL.csv
import { readFileSync } from 'node:fs';
import path from 'node:path';

// The records of an RFC 4180 text, each a list of values.
function records(text) {
  const rows = [];
  let row = [];
  let value = '';
  let i = text.charCodeAt(0) === 0xfeff ? 1 : 0;
  const endValue = () => { row.push(value); value = ''; };
  while (i < text.length) {
    const c = text[i];
    if (c === '"' && value === '') {
      const close = (from) => text.indexOf('"', from);
      let j = close(i + 1);
      for (;;) {
        if (j < 0) throw new Error('a quoted value is not closed');
        value += text.slice(i + 1, j);
        if (text[j + 1] !== '"') break;
        value += '"';
        i = j + 1;
        j = close(i + 1);
      }
      i = j + 1;
      continue;
    }
    if (c === ',') {
      endValue();
      ++i;
    } else if (c === '\n' || (c === '\r' && text[i + 1] === '\n')) {
      endValue();
      rows.push(row);
      row = [];
      i += c === '\r' ? 2 : 1;
    } else {
      value += c;
      ++i;
    }
  }
  if (value !== '' || row.length > 0) {
    endValue();
    rows.push(row);
  }
  return rows;
}

const [expectedFile, actualFile] = process.argv.slice(2);
const [expectedName, actualName] = [expectedFile, actualFile].map((file) => path.basename(file));
const read = (file) => records(new TextDecoder('utf-8', { fatal: true }).decode(readFileSync(file)));
const expected = read(expectedFile);
const actual = read(actualFile);
const shown = (value) => JSON.stringify(value);
for (let r = 0; r < Math.max(expected.length, actual.length); ++r) {
  const a = expected[r] ?? [];
  const b = actual[r] ?? [];
  for (let c = 0; c < Math.max(a.length, b.length); ++c) {
    if (a[c] === b[c]) continue;
    console.error(`${actualName} differs from ${expectedName} in record ${r + 1}, value ${c + 1}` +
      ` (${shown(expected[0]?.[c])}): ${shown(b[c])} instead of ${shown(a[c])}`);
    process.exit(1);
  }
}
console.log(`${actualName}: the same ${expected.length} records as ${expectedName}`);
