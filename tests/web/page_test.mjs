// The web page in a real headless Chromium: golden records typed into the
// form show haberes-cli's lines and totals; refusals beside their box; a
// phone-size page with no sideways scroll; the printed PDF on one page; a
// scale file and an entries file opened through the page; offline after the
// first visit; no request outside the page's origin, no cookies; and no
// serious or critical accessibility finding.
//
//   node page_test.mjs CLI SITE GOLDEN
import { execFileSync, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launch, newPage, open } from './browser.mjs';
import { serve } from './serve.mjs';

const [cli, site, golden] = process.argv.slice(2).map((p) => path.resolve(p));
const require = createRequire(import.meta.url);
const tmp = mkdtempSync(path.join(tmpdir(), 'haberes-page-'));
let failures = 0;
const check = (ok, what) => {
  if (!ok) {
    failures++;
    console.error(`FALLA: ${what}`);
  }
};

const cliResult = (record, locale, args = []) => {
  const file = path.join(tmp, 'registro.jsonl');
  writeFileSync(file, `${JSON.stringify(record)}\n`);
  return JSON.parse(execFileSync(cli, ['--locale', locale, '--explicar', ...args, file], { encoding: 'utf8', cwd: tmp }));
};

// ---- Typing a record into the form, as a user would.
const fill = async (page, id, text) => {
  await page.focus(`#${id}`);
  await page.evaluate((i) => document.getElementById(i).select(), id);
  await page.keyboard.press('Backspace');
  if (text) await page.type(`#${id}`, text);
};
const zero = (v) => v === undefined || v === '0';
const reachable = (r) => {
  const b = r.cargo ? 'cargo' : r.horasmedio ? 'horasmedio' : r.horassup ? 'horassup' : null;
  if (!b || r.puntosbasicos !== undefined || r.punbas !== undefined || r.escala !== undefined || r.cobrado !== undefined) return false;
  if (b === 'cargo' && !['numerohorasmed', 'numerohorassup', 'numhorascod06', 'numhorasincen', 'numhorascod113'].every((k) => zero(r[k]))) return false;
  if (b === 'horasmedio' && !zero(r.numerohorassup)) return false;
  if (b === 'horassup' && !zero(r.numerohorasmed)) return false;
  if (b !== 'cargo' && ['codigocargo', 'cargox', 'proljor', 'jorcom', 'tardif', 'compbas'].some((k) => r[k] !== undefined)) return false;
  for (const [c, box] of [['transporte', 'cantkm'], ['hijos', 'cantidadhijos'], ['hijosdisc', 'cantidadhijosdisc']])
    if (r[c] !== 1 && !zero(r[box])) return false;
  return true;
};
const typeRecord = async (page, r) => {
  if (r.docente) await fill(page, 'docente', r.docente);
  const b = r.cargo ? 'cargo' : r.horasmedio ? 'horasmedio' : 'horassup';
  await page.click(`#${b}`);
  if (b === 'cargo') {
    await fill(page, 'codcargo', r.codigocargo || '');
    for (const k of ['cargox', 'proljor', 'jorcom', 'tardif', 'compbas'])
      if (r[k] !== undefined) await fill(page, k, r[k]);
  } else {
    const hours = b === 'horasmedio' ? 'numerohorasmed' : 'numerohorassup';
    for (const k of [hours, 'numhorascod06', 'numhorasincen', 'numhorascod113'])
      if (r[k] !== undefined) await fill(page, k, r[k]);
  }
  if (r.antiguedad) await page.click(`#Option${r.antiguedad}`);
  if (r.zona !== undefined && r.zona !== -1) await page.select('#zona', String(r.zona));
  if (r.opincentivo === 0) await page.click('#opincentivo');
  if (!zero(r.dinasist)) {
    await page.click('#inasist');
    await fill(page, 'dinasist', r.dinasist);
  }
  for (const [c, box] of [['transporte', 'cantkm'], ['hijos', 'cantidadhijos'], ['hijosdisc', 'cantidadhijosdisc']])
    if (r[c] === 1) {
      await page.click(`#${c}`);
      if (r[box] !== undefined) await fill(page, box, r[box]);
    }
  for (const k of ['conyuge', 'Iosper', 'Osplad', 'ZUTEL', 'APORTEJUB', 'cajacomp', 'Ley4035', 'Seguro3011'])
    if (r[k] === 1) await page.click(`#${k}`);
};
const calcular = async (page) => {
  await page.click('#Command1');
  await page.waitForFunction(() => !document.getElementById('Haberes').hidden
    || [...document.querySelectorAll('.error, #aviso')].some((e) => e.textContent));
};
const shown = (page) => page.evaluate(() => ({
  docente: document.getElementById('docenteRecibo').textContent,
  rows: [...document.querySelectorAll('#lineas tbody tr')].map((tr) => [...tr.cells].map((td) => {
    const s = td.querySelector('summary');
    return s ? s.textContent : td.textContent;
  })),
  explanation: (document.querySelector('#lineas summary') || {}).title,
  totals: ['thaberes', 'tdescuentos', 'liquido'].map((id) => document.getElementById(id).textContent),
  header: ['carsel', 'Label11', 'numcargo', 'punbasicos'].map((id) => document.getElementById(id).textContent),
}));
const expectedView = (res) => ({
  docente: res.docente,
  rows: res.lines.map((l) => [l.code, l.quantity ?? '', l.concept, l.column === 'earnings' ? l.text : '',
    l.column === 'deductions' ? l.text : '']),
  explanation: res.lines[0].explicacion,
  totals: [res.totals.thaberes, res.totals.tdescuentos, res.totals.liquido],
  header: [res.header.carsel, res.header.caption, res.header.numcargo, res.header.punbasicos],
});
const sameView = (got, want, what) => check(JSON.stringify(got) === JSON.stringify(want),
  `${what}:\n  página:      ${JSON.stringify(got)}\n  haberes-cli: ${JSON.stringify(want)}`);

const { server, origin } = await serve(site);
const browser = await launch();
const outside = [];
const watch = (page) => {
  page.on('request', (r) => {
    const u = r.url();
    if (!u.startsWith(`${origin}/`) && !u.startsWith('data:') && !u.startsWith('blob:')) outside.push(u);
  });
  page.on('pageerror', (e) => check(false, `error de la página: ${e.message}`));
};

try {
  // ---- Golden records, in both languages.
  for (const [locale, lang, count] of [['es_AR', 'es-AR', 8], ['en_US', 'en-US', 3]]) {
    const records = readFileSync(path.join(golden, `${locale}.in.jsonl`), 'utf8').split('\n').filter((l) => l.trim())
      .map((l) => JSON.parse(l)).filter(reachable);
    const page = await newPage(browser, lang);
    watch(page);
    let done = 0;
    for (const r of records) {
      const want = cliResult(r, locale);
      if (!want.ok) continue;
      await open(page, origin);
      await typeRecord(page, r);
      await calcular(page);
      sameView(await shown(page), expectedView(want), `registro ${locale} ${JSON.stringify(r)}`);
      if (++done === count) break;
    }
    check(done === count, `${locale}: ${done} registros dorados escritos, se esperaban ${count}`);
    await page.close();
  }

  const page = await newPage(browser, 'es-AR');
  watch(page);
  await page.setBypassCSP(true); // only for axe-core's script, added by the test
  await open(page, origin);

  // ---- Refusals beside their box, which gets the focus.
  await page.click('#Command1');
  await page.waitForFunction(() => document.getElementById('Frame2-error').textContent);
  check(await page.$eval('#Frame2-error', (e) => e.textContent) === 'No seleccionaste cargo ni horas', 'sin categoría: mensaje');
  await page.click('#horasmedio');
  await fill(page, 'numerohorasmed', '2.5');
  await calcular(page);
  const refused = cliResult({ horasmedio: true, numerohorasmed: '2.5' }, 'es_AR');
  check(await page.$eval('#numerohorasmed-error', (e) => e.textContent) === refused.error,
    `rechazo junto a su casilla: ${await page.$eval('#numerohorasmed-error', (e) => e.textContent)} / ${refused.error}`);
  check(await page.evaluate(() => document.activeElement.id) === 'numerohorasmed', 'la casilla rechazada tiene el foco');
  check(await page.$eval('#numerohorasmed', (e) => e.getAttribute('aria-invalid')) === 'true', 'casilla rechazada marcada');

  // ---- Accessibility of the form.
  const axe = async (what) => {
    await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
    const found = await page.evaluate(async () => (await window.axe.run(document)).violations
      .filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    check(found.length === 0, `accesibilidad (${what}): ${found.join('; ')}`);
  };
  await axe('formulario');

  // ---- A phone: nothing scrolls sideways, form or payslip.
  await page.setViewport({ width: 360, height: 740 });
  const long = { docente: 'Fernández de la Cruz, María Guadalupe', cargo: true, codigocargo: '604', antiguedad: 12,
    zona: 4, transporte: 1, cantkm: '120', hijos: 1, cantidadhijos: '4', hijosdisc: 1, cantidadhijosdisc: '1',
    conyuge: 1, Iosper: 1, Osplad: 1, ZUTEL: 1, APORTEJUB: 1, cajacomp: 1, Ley4035: 1, Seguro3011: 1 };
  await open(page, origin);
  const noSideways = () => page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth);
  check(await noSideways(), 'teléfono: el formulario no se desplaza de costado');
  await typeRecord(page, long);
  await calcular(page);
  const longWant = cliResult(long, 'es_AR');
  sameView(await shown(page), expectedView(longWant), 'registro largo en el teléfono');
  check(await noSideways(), 'teléfono: el recibo no se desplaza de costado');
  await axe('recibo');
  // The explanation opens by keyboard.
  await page.focus('#lineas summary');
  await page.keyboard.press('Enter');
  check(await page.$eval('#lineas details', (d) => d.open), 'la explicación se abre con el teclado');

  // ---- Paper: every line and the totals on one A4 page.
  await page.setViewport({ width: 1280, height: 900 });
  const pdf = path.join(tmp, 'recibo.pdf');
  await page.pdf({ path: pdf, format: 'A4' });
  const pages = /Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1];
  check(pages === '1', `el PDF tiene ${pages} páginas`);
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
  for (const l of longWant.lines)
    for (const t of [l.code, l.concept, l.text])
      check(text.includes(t), `el PDF muestra «${t}»`);
  for (const t of ['Total Haberes', 'Total descuentos', 'Liquido a pagar', longWant.totals.thaberes,
    longWant.totals.tdescuentos, longWant.totals.liquido, long.docente])
    check(text.includes(t), `el PDF muestra «${t}»`);
  check(!text.includes('Calcular') && !text.includes('Volver') && !text.includes('Apellido y nombre'),
    'el PDF no lleva el formulario ni los botones');

  // ---- Entries: "Guardar datos" downloads the file haberes-cli computes;
  // "Abrir datos" reads one.
  const downloads = path.join(tmp, 'descargas');
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.click('#guardarDatos');
  const saved = path.join(downloads, `${long.docente}.json`);
  for (let i = 0; i < 50 && !existsSync(saved); i++) await new Promise((r) => setTimeout(r, 100));
  check(existsSync(saved), `se descargó ${readdirSync(tmp).join(', ')}`);
  if (existsSync(saved)) {
    const fromFile = JSON.parse(execFileSync(cli, ['--locale', 'es_AR', saved], { encoding: 'utf8' }));
    check(fromFile.ok && fromFile.totals.liquido === longWant.totals.liquido, 'haberes-cli calcula el archivo guardado');
    check(readFileSync(saved, 'utf8').split('\n').length === 2, 'el archivo de datos es una línea');
    check(readFileSync(saved, 'utf8').includes('"escala":"Desde Julio de 2.010"'), 'el archivo de datos nombra su escala');
  }
  const entries = path.join(tmp, 'Gómez.json');
  const entriesRecord = { docente: 'Gómez, Luis', horassup: true, numerohorassup: '12', numhorascod06: '3,5', antiguedad: 6,
    zona: 1, hijos: 1, cantidadhijos: '2', Iosper: 1, APORTEJUB: 1, comentario: 'marzo' };
  writeFileSync(entries, `${JSON.stringify(entriesRecord)}\n`);
  await page.click('#Volver');
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirDatos')]);
  await chooser.accept([entries]);
  await page.waitForFunction(() => document.getElementById('aviso').textContent.startsWith('Datos de'));
  check(await page.$eval('#docente', (e) => e.value) === 'Gómez, Luis', 'abrir datos: el nombre');
  check(await page.$eval('#cantidadhijos', (e) => e.value) === '2', 'abrir datos: los hijos');
  await calcular(page);
  sameView(await shown(page), expectedView(cliResult(entriesRecord, 'es_AR')), 'archivo de datos abierto');
  check(await page.$eval('#Text11', (e) => e.value) === 'marzo', 'abrir datos: el comentario');

  // ---- A scale file: same checks and messages as the desktop program, kept
  // in the browser.
  const builtin = execFileSync(cli, ['--mostrar-escala'], { encoding: 'utf8' });
  const scale = builtin.replace('"nombre": "Desde Julio de 2.010"', '"nombre": "Escala de prueba"')
    .replace('"vigencia": "2010-07"', '"vigencia": "2011-03"').replace(/"valor_punto": [0-9.]+/, '"valor_punto": 0.9731');
  writeFileSync(path.join(tmp, 'prueba.json'), scale);
  await page.click('#Volver');
  const [scaleChooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirEscala')]);
  await scaleChooser.accept([path.join(tmp, 'prueba.json')]);
  await page.waitForFunction(() => document.getElementById('escalaNombre').textContent === 'Escala de prueba');
  check((await page.$$eval('#escala option', (os) => os.map((o) => o.value)))[0] === 'Escala de prueba', 'la escala nueva primero');
  // A fresh page: the scale is kept in the browser, the entries are not.
  await open(page, origin);
  check(await page.$eval('#escalaNombre', (e) => e.textContent) === 'Escala de prueba', 'la escala sigue guardada');
  check(await page.$eval('#docente', (e) => e.value) === '', 'nada personal guardado sin pedirlo');
  await typeRecord(page, { horasmedio: true, numerohorasmed: '10', antiguedad: 3 });
  await calcular(page);
  sameView(await shown(page), expectedView(cliResult({ horasmedio: true, numerohorasmed: '10', antiguedad: 3 }, 'es_AR',
    ['--escala', 'prueba.json'])), 'recibo con la escala abierta');
  // A negative net pay, under a scale of heavy deductions: the warning
  // beside the payslip.
  const heavy = builtin.replace('"nombre": "Desde Julio de 2.010"', '"nombre": "Escala con descuentos altos"')
    .replace(/"aporte_jub_502": \{"tasa": [0-9.]+, "cantidad": "[^"]*"\}/, '"aporte_jub_502": {"tasa": 0.96, "cantidad": "96 %"}')
    .replace(/"iosper_505": \{"tasa": [0-9.]+, "cantidad": "[^"]*"\}/, '"iosper_505": {"tasa": 0.5, "cantidad": "50 %"}');
  writeFileSync(path.join(tmp, 'alta.json'), heavy);
  await page.click('#Volver');
  const [heavyChooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirEscala')]);
  await heavyChooser.accept([path.join(tmp, 'alta.json')]);
  await page.waitForFunction(() => document.getElementById('escalaNombre').textContent === 'Escala con descuentos altos');
  const negative = { cargo: true, codigocargo: '604', Iosper: 1, APORTEJUB: 1 };
  await open(page, origin);
  await typeRecord(page, negative);
  await calcular(page);
  const negativeWant = cliResult(negative, 'es_AR', ['--escala', 'alta.json']);
  check(negativeWant.totals.totalliq.startsWith('-'), 'la escala de descuentos altos da un líquido negativo');
  sameView(await shown(page), expectedView(negativeWant), 'recibo con líquido negativo');
  check(await page.$eval('#avisoLiquido', (e) => !e.hidden && e.textContent.startsWith('¡Atención! Líquido a pagar negativo')),
    'el aviso de líquido negativo se ve');
  check(await page.$eval('#avisoLiquido', (e) => e.textContent.includes('Lo vuelve negativo: 502 Aporte Jub.')),
    'el aviso nombra la línea que vuelve negativo el líquido');
  await page.click('#Volver');
  const bad = builtin.replace(/"valor_punto": [0-9.]+/, '"valor_punto": "mucho"');
  writeFileSync(path.join(tmp, 'mala.json'), bad);
  const cliBad = spawnSync(cli, ['--escala', 'mala.json', '--mostrar-escala'], { encoding: 'utf8', cwd: tmp });
  const [badChooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirEscala')]);
  await badChooser.accept([path.join(tmp, 'mala.json')]);
  await page.waitForFunction(() => document.getElementById('aviso').textContent.includes('mala.json'));
  const badShown = await page.$eval('#aviso', (e) => e.textContent);
  check(cliBad.status === 2 && cliBad.stderr.includes(badShown), `escala mala: «${badShown}» / «${cliBad.stderr.trim()}»`);

  // ---- Entries remember their scale: a file naming a scale the browser
  // keeps opens under it, and saved again names it; one naming a scale the
  // browser lacks says so and keeps the scale in use.
  const ownScale = { docente: 'Ríos, Ana', horasmedio: true, numerohorasmed: '10', antiguedad: 3 };
  const underPrueba = path.join(tmp, 'datos-prueba.json');
  writeFileSync(underPrueba, `${JSON.stringify({ ...ownScale, escala: 'Escala de prueba' })}\n`);
  const [ownChooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirDatos')]);
  await ownChooser.accept([underPrueba]);
  await page.waitForFunction(() => document.getElementById('aviso').textContent.startsWith('Datos de «datos-prueba.json»'));
  check(await page.$eval('#escalaNombre', (e) => e.textContent) === 'Escala de prueba', 'abrir datos elige su escala');
  check(await page.$eval('#aviso', (e) => e.textContent) === 'Datos de «datos-prueba.json» abiertos.', 'su escala, sin aviso');
  await calcular(page);
  sameView(await shown(page), expectedView(cliResult(ownScale, 'es_AR', ['--escala', 'prueba.json'])),
    'datos abiertos con su escala');
  await page.click('#guardarDatos');
  const savedPrueba = path.join(downloads, 'Ríos, Ana.json');
  for (let i = 0; i < 50 && !existsSync(savedPrueba); i++) await new Promise((r) => setTimeout(r, 100));
  check(existsSync(savedPrueba) && readFileSync(savedPrueba, 'utf8').includes('"escala":"Escala de prueba"'),
    'guardado con la escala de prueba, la nombra');
  if (existsSync(savedPrueba)) {
    const fromFile = JSON.parse(execFileSync(cli, ['--locale', 'es_AR', '--escala', 'prueba.json', savedPrueba],
      { encoding: 'utf8', cwd: tmp }));
    check(fromFile.ok && fromFile.escala === 'Escala de prueba', 'haberes-cli calcula el archivo con su escala');
  }
  await page.click('#Volver');
  const missingScale = path.join(tmp, 'datos-abril.json');
  writeFileSync(missingScale, `${JSON.stringify({ ...ownScale, escala: 'Desde Abril de 2.012' })}\n`);
  const [missingChooser] = await Promise.all([page.waitForFileChooser(), page.click('#abrirDatos')]);
  await missingChooser.accept([missingScale]);
  await page.waitForFunction(() => document.getElementById('aviso').textContent.startsWith('Datos de «datos-abril.json»'));
  const missingShown = await page.$eval('#aviso', (e) => e.textContent);
  check(missingShown.includes('«Desde Abril de 2.012», que no está instalada. Se usa la escala «Escala de prueba».'),
    `escala que falta: «${missingShown}»`);
  check(await page.$eval('#escalaNombre', (e) => e.textContent) === 'Escala de prueba', 'sin su escala, sigue la elegida');
  check(await page.$eval('#docente', (e) => e.value) === 'Ríos, Ana', 'sin su escala, los datos se abren');

  // ---- Offline after the first visit.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.setOfflineMode(true);
  await open(page, origin);
  await typeRecord(page, { cargo: true, codigocargo: '750' });
  await calcular(page);
  check(!(await page.$eval('#Haberes', (e) => e.hidden)), 'sin red, la página abre y calcula');
  await page.setOfflineMode(false);

  // ---- "Borrar lo guardado", and no cookies.
  await page.click('#Volver');
  await page.click('#borrarGuardado');
  check(await page.evaluate(() => localStorage.length) === 0, 'borrar lo guardado deja el almacenamiento vacío');
  check((await page.$$eval('#escala option', (os) => os.length)) === 1, 'solo queda la escala incorporada');
  check((await page.cookies()).length === 0 && await page.evaluate(() => document.cookie) === '', 'sin cookies');
  await page.close();
} finally {
  await browser.close();
  server.close();
  rmSync(tmp, { recursive: true, force: true });
}
check(outside.length === 0, `pedidos fuera del origen de la página: ${outside.join(', ')}`);
if (failures) {
  console.error(`page_test: ${failures} fallas`);
  process.exit(1);
}
console.log('page_test: la página en Chromium coincide con haberes-cli');
