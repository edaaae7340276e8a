// Rowsmith's character tables and white space, as data for the peer jobs.
// Each conversion is a list of [from, to] pairs; those with two characters on
// a side (a half-width kana and its voicing mark) come first and must be
// replaced before the single characters are.
const halfKana = 'ｧｱｨｲｩｳｪｴｫｵｶｷｸｹｺｻｼｽｾｿﾀﾁｯﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜｦﾝ';
const katakana = 'ァアィイゥウェエォオカキクケコサシスセソタチッツテトナニヌネノハヒフヘホマミムメモャヤュユョヨラリルレロワヲン';
const hiragana = 'ぁあぃいぅうぇえぉおかきくけこさしすせそたちっつてとなにぬねのはひふへほまみむめもゃやゅゆょよらりるれろわをん';
const voicedHalf = [...'ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ'].map((c) => c + 'ﾞ')
  .concat([...'ﾊﾋﾌﾍﾎ'].map((c) => c + 'ﾟ'));
const voicedKatakana = 'ヴガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ';
// ヴ has no hiragana in Rowsmith's tables: kana conversions leave it alone.
const voicedHiragana = 'がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ';
const ascii = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
const wideAscii = [...ascii].map((c) => String.fromCodePoint(c.codePointAt(0) + 0xfee0)).join('');
// ASCII symbols and half-width punctuation with their full-width forms.
const symbols = ' !"#$%&\'()*+,-./:;<=>?@[\\]^_`{|}~｡｢｣､･';
const wideSymbols = '\u3000！“＃＄％＆”（）＊＋，―．／：；＜＝＞？＠［￥］＾＿｀｛｜｝￣。「」、・';
// Only to half width; the ideographic space becomes the no-break space.
const halfOnly = '\u00a0ｰﾞﾟ';
const fullOnly = '\u3000ー゛゜';

const zip = (from, to) => {
  const into = [...to];
  return [...from].map((c, i) => [c, into[i]]);
};

// A half-width letter and mark that form no voiced kana are left alone by
// Rowsmith, letter too; the generated exports hold none, and the jobs
// convert the letter.
export const fullWidth = zip(voicedHalf, voicedKatakana)
  .concat(zip(ascii + symbols + halfKana, wideAscii + wideSymbols + katakana));
export const halfWidth = zip(voicedKatakana, voicedHalf)
  .concat(zip(wideAscii + fullOnly + wideSymbols.slice(1) + katakana,
    ascii + halfOnly + symbols.slice(1) + halfKana));
export const toHiragana = zip(katakana + voicedKatakana.slice(1), hiragana + voicedHiragana);
export const toKatakana = zip(hiragana + voicedHiragana, katakana + voicedKatakana.slice(1));

// A regular-expression class of what QChar::isSpace takes for white space.
export const space = '[\\t-\\r \\x{85}\\p{Z}]';

// The company record that generate_orders saves beside the bench settings, as
// the setting's two company items print it.
export const shop = 'ロウスミス商店 https://shop.example.jp';
export const sender = '株式会社ロウスミス 100-0005 東京都千代田区丸の内1-1-1 03-1234-5678';
