// The engine compiled for the web page, run under node, against
// haberes-cli: the golden records, generated records (refusals, malformed
// lines, both decimal separators) and scale files must give byte-identical
// result lines, the date aside.
//
//   node --no-experimental-fetch engine_vs_cli.mjs CLI SITE GOLDEN [COUNT]
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';

const [cli, site, golden, countArg] = process.argv.slice(2);
const count = Number(countArg || 20000);
const require = createRequire(import.meta.url);
const engine = await require(path.resolve(site, 'haberes.js'))();
const calcular = (record, sep, scaleText = '') =>
  engine.ccall('haberes_calcular', 'string', ['string', 'string', 'string', 'string', 'number'],
    [record, sep, '', scaleText, 1]);
const escala = (text, name) => JSON.parse(engine.ccall('haberes_escala', 'string', ['string', 'string'], [text, name]));

const tmp = mkdtempSync(path.join(tmpdir(), 'haberes-web-'));
const withoutDate = (line) => line.replace(/"date": "(?:[^"\\]|\\.)*", /, '');
let failures = 0;
let compared = 0;
let parserWords = 0;

const runCli = (args, input) => {
  const file = path.join(tmp, 'in.jsonl');
  writeFileSync(file, input);
  // No scale of the machine is installed for it: the page has none either.
  const env = { ...process.env, XDG_DATA_HOME: path.join(tmp, 'datos'), XDG_DATA_DIRS: path.join(tmp, 'sistema') };
  const r = spawnSync(cli, [...args, '--explicar', file], { encoding: 'utf8', maxBuffer: 1 << 30, env });
  if (r.status === 2) throw new Error(`haberes-cli ${args.join(' ')}: ${r.stderr}`);
  return r.stdout.split('\n').slice(0, -1);
};

const compare = (what, lines, locale, sep, scaleText = '', scaleArgs = []) => {
  const expected = runCli(['--locale', locale, ...scaleArgs], lines.join('\n') + '\n');
  const records = lines.filter((l) => l.trim() !== '');
  if (expected.length !== records.length) throw new Error(`${what}: ${expected.length} results for ${records.length} records`);
  records.forEach((record, i) => {
    const got = withoutDate(calcular(record, sep, scaleText));
    const want = withoutDate(expected[i]);
    compared++;
    // A text that is not JSON at all is described by each parser in its own
    // words (simdjson for haberes-cli, nlohmann-json here): only that.
    const notJson = '{"ok": false, "field": null, "error": "JSON inválido: ';
    if (got !== want && got.startsWith(notJson) && want.startsWith(notJson)) {
      parserWords++;
      return;
    }
    if (got !== want && failures++ < 10)
      console.error(`${what}, record ${i + 1}: ${record}\n  haberes-cli: ${want}\n  web:         ${got}`);
  });
};

// ---- The golden records.
for (const [locale, sep] of [['es_AR', ','], ['en_US', '.']]) {
  const lines = readFileSync(path.join(golden, `${locale}.in.jsonl`), 'utf8').split('\n').filter((l) => l.trim());
  compare(`golden ${locale}`, lines, locale, sep);
}

// ---- Generated records, from a fixed seed.
let seed = 20100701;
const random = () => {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
};
const pick = (list) => list[Math.floor(random() * list.length)];
const chance = (p) => random() < p;
const number = () => pick([
  '0', '1', '12', '30', '31', '2,5', '2.5', '3,146', '3.146', '1.000,5', '  7 ', '-3', '+4', '', ' ', 'abc', '1e3',
  '1000000', '1000001', '-1000001', '32767', '32768', '255', '256', '0,00005', '99999999999999999999', '15,25', '15.25',
  String(Math.floor(random() * 60)), `${Math.floor(random() * 40)},${Math.floor(random() * 100)}`,
  `${Math.floor(random() * 40)}.${Math.floor(random() * 100)}`]);
const codes = ['604', '999', '750', '996', '123', '', '0', '600', '700', '801', '901', String(600 + Math.floor(random() * 400))];
const record = () => {
  const r = {};
  const basis = pick(['cargo', 'horasmedio', 'horassup', 'cargo', 'horasmedio', 'horassup', null]);
  if (basis) r[basis] = true;
  if (chance(0.02)) r[pick(['cargo', 'horasmedio', 'horassup'])] = true;
  if (chance(0.5)) r.docente = pick(['', 'Pérez, Ana', 'O\'Brien "Pato"', 'Müller\tBjörn', 'Ñandú 😀']);
  if (basis === 'cargo' || chance(0.1)) r.codigocargo = pick(codes);
  for (const k of ['cargox', 'punbas', 'proljor', 'jorcom', 'tardif', 'compbas'])
    if (chance(0.08)) r[k] = k === 'cargox' ? 'Otro cargo' : number();
  for (const k of ['numerohorasmed', 'numerohorassup', 'numhorascod06', 'numhorasincen', 'numhorascod113', 'dinasist',
    'cantkm', 'cantidadhijos', 'cantidadhijosdisc'])
    if (chance(0.35)) r[k] = number();
  if (chance(0.7)) r.antiguedad = Math.floor(random() * 13);
  if (chance(0.7)) r.zona = Math.floor(random() * 6) - 1;
  for (const k of ['opincentivo', 'transporte', 'hijos', 'hijosdisc', 'conyuge', 'Iosper', 'Osplad', 'APORTEJUB',
    'Ley4035', 'ZUTEL', 'cajacomp', 'Seguro3011'])
    if (chance(0.4)) r[k] = chance(0.5) ? 1 : 0;
  if (chance(0.1)) r.comentario = 'comentario';
  // The scale the entries name: the one in use, another, or not a name.
  if (chance(0.05)) r.escala = pick(['Desde Julio de 2.010', 'Escala de prueba', 'Otra', 2010]);
  // Now and then a malformed line: unknown key, wrong type, out of range.
  if (chance(0.02)) r.desconocida = 1;
  if (chance(0.02)) r.hijos = 'si';
  if (chance(0.02)) r.antiguedad = 13;
  if (chance(0.01)) r.zona = 1.5;
  // Keys in a shuffled order: the record's meaning must not depend on it.
  const keys = Object.keys(r).sort(() => random() - 0.5);
  return JSON.stringify(Object.fromEntries(keys.map((k) => [k, r[k]])));
};
const generated = Array.from({ length: count }, record);
generated.push('{"cargo": true,', '[]', '{"cargo": true} x', '{"docente": "\\ud800"}', '{"a":{"b":[1,2]}}', '{}');
compare('generated es_AR', generated, 'es_AR', ',');
compare('generated en_US', generated, 'en_US', '.');

// ---- Scale files: the built-in one written out and changed, read by both.
const builtin = execFileSync(cli, ['--mostrar-escala'], { encoding: 'utf8' });
const changed = builtin.replace('"nombre": "Desde Julio de 2.010"', '"nombre": "Escala de prueba"')
  .replace(/"valor_punto": [0-9.]+/, '"valor_punto": 0.9731');
if (changed === builtin) throw new Error('the scale text did not change');
const scaleFile = path.join(tmp, 'prueba.json');
writeFileSync(scaleFile, changed);
const info = escala(changed, 'prueba.json');
if (!info.ok || info.nombre !== 'Escala de prueba') {
  failures++;
  console.error(`scale file not read: ${JSON.stringify(info)}`);
}
compare('scale file', generated.slice(0, Math.min(count, 5000)), 'es_AR', ',', changed, ['--escala', scaleFile]);

// A file that is not a scale: the same message as haberes-cli's.
for (const [what, text] of [
  ['a value of the wrong type', builtin.replace(/"valor_punto": [0-9.]+/, '"valor_punto": "mucho"')],
  ['a key missing', builtin.replace(/"valor_punto": [0-9.]+,/, '')],
  ['not JSON', builtin.slice(0, 200)],
]) {
  const bad = path.join(tmp, 'mala.json');
  writeFileSync(bad, text);
  // Named as the page names it: by the file's name.
  const r = spawnSync(path.resolve(cli), ['--escala', 'mala.json', '--mostrar-escala'], { encoding: 'utf8', cwd: tmp });
  const web = escala(text, 'mala.json');
  compared++;
  if (r.status !== 2 || web.ok || !r.stderr.includes(web.error)) {
    failures++;
    console.error(`bad scale, ${what}:\n  haberes-cli (${r.status}): ${r.stderr.trim()}\n  web: ${JSON.stringify(web)}`);
  }
}

rmSync(tmp, { recursive: true, force: true });
if (failures) {
  console.error(`engine_vs_cli: ${failures} of ${compared} results differ`);
  process.exit(1);
}
console.log(`engine_vs_cli: ${compared} results identical to haberes-cli's (${parserWords} texts that are not JSON described in the parser's own words)`);
