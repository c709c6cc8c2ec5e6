// The page around the engine: it gathers what the boxes hold into the
// record haberes-cli reads, hands it to the engine compiled to WebAssembly,
// and shows the result. Amounts, messages and explanations all come from
// the engine; nothing here computes pay.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);

  // ---- The browser's language decides the decimal separator, as the
  // user's locale does for the desktop program.
  const idioma = (navigator.languages && navigator.languages[0]) || navigator.language || 'es-AR';
  const separador = (() => {
    try {
      const part = new Intl.NumberFormat(idioma).formatToParts(1.5).find((p) => p.type === 'decimal');
      return part && (part.value === ',' || part.value === '.') ? part.value : '.';
    } catch (e) {
      return '.';
    }
  })();
  const fechaTexto = () => {
    try {
      return new Intl.DateTimeFormat(idioma, { day: 'numeric', month: 'numeric', year: '2-digit', hour: '2-digit',
        minute: '2-digit', hourCycle: 'h23' }).format(new Date());
    } catch (e) {
      return new Date().toLocaleString();
    }
  };

  // ---- The engine.
  let motor = null;
  const llamar = (nombre, ...args) => JSON.parse(motor.ccall(nombre, 'string', args.map((a) => typeof a === 'number' ? 'number' : 'string'), args));

  // ---- Scales kept in the browser: [{nombre, vigencia, archivo, texto}],
  // the built-in one (texto "") never stored.
  const CLAVE_ESCALAS = 'haberes.escalas';
  const CLAVE_ELEGIDA = 'haberes.escalaElegida';
  const leerGuardadas = () => {
    try {
      const v = JSON.parse(localStorage.getItem(CLAVE_ESCALAS) || '[]');
      return Array.isArray(v) ? v : [];
    } catch (e) {
      return [];
    }
  };
  let incorporada = null; // the built-in scale's description
  let escala = null;      // the scale in use: {texto, info}

  // Scales the browser refused to store, kept for this visit only.
  let deEstaVisita = [];
  const todasLasEscalas = () => {
    const lista = [{ nombre: incorporada.nombre, vigencia: incorporada.vigencia, texto: '' }];
    const guardadas = leerGuardadas();
    for (const e of [...guardadas, ...deEstaVisita.filter((v) => !guardadas.some((g) => g.nombre === v.nombre))])
      if (e.nombre !== incorporada.nombre) lista.push(e);
    // Newest first, as the desktop program lists them.
    return lista.sort((a, b) => (b.vigencia || '').localeCompare(a.vigencia || ''));
  };

  const listarEscalas = (elegida) => {
    const select = $('escala');
    select.textContent = '';
    for (const e of todasLasEscalas()) {
      const o = document.createElement('option');
      o.value = e.nombre;
      o.textContent = e.texto ? `${e.nombre} (${e.vigencia})` : `${e.nombre} (incorporada)`;
      select.append(o);
    }
    select.value = elegida;
    if (select.selectedIndex < 0) select.selectedIndex = 0;
  };

  const usarEscala = (nombre) => {
    let guardada = todasLasEscalas().find((e) => e.nombre === nombre) || todasLasEscalas()[0];
    let info = guardada.texto ? llamar('haberes_escala', guardada.texto, guardada.archivo || guardada.nombre) : incorporada;
    if (!info.ok) {
      // What the browser kept no longer reads as a scale: the built-in one.
      avisar(info.error);
      guardada = { texto: '' };
      info = incorporada;
    }
    escala = { texto: guardada.texto, info };
    $('escalaNombre').textContent = info.nombre;
    $('Label3').textContent = info.tituloRecibo;
    $('escala').value = info.nombre;
    llenarCargos();
    llenarAntiguedad();
    elegirPorCodigo();
  };

  // ---- Messages beside the boxes.
  const avisar = (texto) => { $('aviso').textContent = texto; };
  const limpiarErrores = () => {
    for (const p of document.querySelectorAll('.error')) p.textContent = '';
    for (const i of document.querySelectorAll('[aria-invalid]')) i.removeAttribute('aria-invalid');
    avisar('');
  };

  // ---- The position: by code, or by picking a name from the scale's list.
  const cajasPuntos = ['punbas', 'proljor', 'jorcom', 'tardif', 'compbas'];
  let filaElegida = null;
  const opcionDeCargo = (c) => `${c.nombre} (${c.codigo})`;

  const llenarCargos = () => {
    const lista = $('cargos');
    lista.textContent = '';
    for (const c of escala.info.cargos) {
      const o = document.createElement('option');
      o.value = opcionDeCargo(c);
      lista.append(o);
    }
  };

  // The row whose code is the whole text of the code box fills the name and
  // the five point boxes; no row empties them.
  const elegirPorCodigo = () => {
    const codigo = $('codcargo').value;
    filaElegida = escala.info.cargos.find((c) => c.codigo === codigo) || null;
    $('cargox').value = filaElegida ? filaElegida.nombre : '';
    const valores = filaElegida ? filaElegida.puntos : ['', '', '', '', ''];
    cajasPuntos.forEach((id, i) => { $(id).value = valores[i]; });
  };

  const elegirPorNombre = () => {
    const texto = $('cargox').value;
    const fila = escala.info.cargos.find((c) => opcionDeCargo(c) === texto);
    if (!fila) return; // a typed name chooses nothing; it is shown as typed
    $('codcargo').value = fila.codigo;
    elegirPorCodigo();
  };

  // ---- Seniority options, with the scale's percentages.
  let antiguedadElegida = 0;
  const llenarAntiguedad = () => {
    const caja = $('opcionesAntiguedad');
    caja.textContent = '';
    escala.info.antiguedad.forEach((a, i) => {
      const label = document.createElement('label');
      label.title = a.texto;
      const r = document.createElement('input');
      r.type = 'radio';
      r.name = 'antiguedad';
      r.id = `Option${i + 1}`;
      r.value = String(i + 1);
      r.checked = antiguedadElegida === i + 1;
      r.addEventListener('change', () => {
        antiguedadElegida = i + 1;
        $('porcantig').textContent = a.texto;
      });
      label.append(r, ' ', a.caption);
      caja.append(label);
    });
    const actual = escala.info.antiguedad[antiguedadElegida - 1];
    $('porcantig').textContent = actual ? actual.texto : '0 %';
  };

  // ---- Showing and hiding what each choice needs.
  const base = () => (document.querySelector('input[name="basis"]:checked') || {}).value || '';
  const mostrarBase = (nueva) => {
    $('dialogoCargo').hidden = nueva !== 'cargo';
    $('horas').hidden = nueva !== 'horasmedio' && nueva !== 'horassup';
    $('campo-numerohorasmed').hidden = nueva !== 'horasmedio';
    $('campo-numerohorassup').hidden = nueva !== 'horassup';
  };
  const alElegirBase = () => {
    const b = base();
    if (b === 'cargo')
      for (const id of ['numerohorasmed', 'numerohorassup', 'numhorascod06', 'numhorasincen', 'numhorascod113'])
        $(id).value = '0';
    if (b === 'horasmedio') $('numerohorassup').value = '0';
    if (b === 'horassup') $('numerohorasmed').value = '0';
    mostrarBase(b);
  };

  // A ticked box shows its count; unticking hides it and puts back "0".
  const casillasConCantidad = { transporte: 'cantkm', inasist: 'dinasist', hijos: 'cantidadhijos', hijosdisc: 'cantidadhijosdisc' };
  const mostrarCantidad = (casilla) => {
    const caja = casillasConCantidad[casilla];
    const tildada = $(casilla).checked;
    $(`campo-${caja}`).hidden = !tildada;
    $(casilla).setAttribute('aria-expanded', String(tildada));
    if (!tildada) $(caja).value = '0';
  };

  // ---- The record haberes-cli reads, from what the boxes hold.
  const casillas = ['opincentivo', 'transporte', 'hijos', 'hijosdisc', 'conyuge',
    'Iosper', 'Osplad', 'APORTEJUB', 'Ley4035', 'ZUTEL', 'cajacomp', 'Seguro3011'];
  const textos = ['docente', 'numerohorasmed', 'numerohorassup', 'numhorascod06', 'numhorasincen', 'numhorascod113',
    'dinasist', 'cantkm', 'cantidadhijos', 'cantidadhijosdisc'];

  const registro = () => {
    const b = base();
    const r = { cargo: b === 'cargo', horasmedio: b === 'horasmedio', horassup: b === 'horassup' };
    r.codigocargo = $('codcargo').value;
    r.cargox = $('cargox').value;
    for (const id of cajasPuntos) r[id] = $(id).value;
    for (const id of textos) r[id] = $(id).value;
    r.antiguedad = antiguedadElegida;
    r.zona = Number($('zona').value);
    for (const id of casillas) r[id] = $(id).checked ? 1 : 0;
    r.comentario = $('Text11').value;
    return r;
  };

  // Puts a record (an opened entries file) into the boxes, as the desktop
  // program does.
  const ponerRegistro = (r) => {
    for (const id of ['cargo', 'horasmedio', 'horassup']) $(id).checked = !!r[id];
    mostrarBase(base());
    $('codcargo').value = r.codigocargo || '';
    elegirPorCodigo();
    for (const id of ['cargox', ...cajasPuntos]) if (typeof r[id] === 'string') $(id).value = r[id];
    for (const id of textos) $(id).value = typeof r[id] === 'string' ? r[id] : (id === 'docente' ? '' : '0');
    antiguedadElegida = r.antiguedad || 0;
    llenarAntiguedad();
    $('zona').value = String(r.zona === undefined ? -1 : r.zona);
    for (const id of casillas) $(id).checked = r[id] === undefined ? id === 'opincentivo' : r[id] === 1;
    $('Text1').textContent = $('opincentivo').checked ? 'Si' : 'No';
    $('inasist').checked = (r.dinasist || '0') !== '0';
    for (const c of Object.keys(casillasConCantidad)) {
      const caja = casillasConCantidad[c];
      const texto = $(caja).value;
      mostrarCantidad(c);
      if ($(c).checked) $(caja).value = texto;
    }
    $('Text11').value = r.comentario || '';
  };

  // ---- "Calcular".
  const calcular = (ev) => {
    ev.preventDefault();
    limpiarErrores();
    const r = registro();
    const resultado = llamar('haberes_calcular', JSON.stringify(r), separador, fechaTexto(), escala.texto, 1);
    if (resultado.ok) {
      mostrarRecibo(resultado);
      return;
    }
    rechazo(resultado);
  };

  const rechazo = (res) => {
    let caja = null;
    let mensaje = null;
    if (res.field === null || res.field === undefined) {
      mensaje = $('Frame2-error');
      caja = document.querySelector('input[name="basis"]:checked') || $('cargo');
    } else if ($(`${res.field}-error`)) {
      mensaje = $(`${res.field}-error`);
      caja = $(res.field);
    } else {
      mensaje = $('escala-error');
      caja = $('escala');
    }
    mensaje.textContent = res.error;
    if (caja !== $('cargo') || res.field) caja.setAttribute('aria-invalid', 'true');
    caja.focus();
  };

  // ---- The payslip.
  const celda = (fila, texto, clase) => {
    const td = document.createElement('td');
    if (clase) td.className = clase;
    if (texto !== null) td.textContent = texto;
    fila.append(td);
    return td;
  };

  const mostrarRecibo = (res) => {
    $('docenteRecibo').textContent = res.docente;
    const cuerpo = $('lineas').tBodies[0];
    cuerpo.textContent = '';
    for (const l of res.lines) {
      const tr = document.createElement('tr');
      tr.className = l.column === 'earnings' ? 'haber' : 'descuento';
      celda(tr, l.code, 'codigo').dataset.rotulo = 'Código';
      const cant = celda(tr, l.quantity, 'cantidad');
      cant.dataset.rotulo = 'Cantidad';
      if (l.quantity === null) cant.classList.add('vacia');
      const concepto = celda(tr, null, 'concepto');
      if (l.explicacion) {
        const det = document.createElement('details');
        const sum = document.createElement('summary');
        sum.textContent = l.concept;
        sum.title = l.explicacion;
        const p = document.createElement('p');
        p.className = 'explicacion';
        p.textContent = l.explicacion;
        det.append(sum, p);
        concepto.append(det);
      } else {
        concepto.textContent = l.concept;
      }
      celda(tr, l.column === 'earnings' ? l.text : '', 'importe haberes').dataset.rotulo = 'Haberes';
      celda(tr, l.column === 'deductions' ? l.text : '', 'importe descuentos').dataset.rotulo = 'Descuentos';
      cuerpo.append(tr);
    }
    $('thaberes').textContent = res.totals.thaberes;
    $('tdescuentos').textContent = res.totals.tdescuentos;
    $('liquido').textContent = res.totals.liquido;

    const h = res.header;
    $('carsel').textContent = h.carsel;
    $('Label11').textContent = h.caption;
    $('numcargo').textContent = h.numcargo;
    $('punbasicos').textContent = h.punbasicos;
    const puntos = h.positionPoints;
    for (const d of document.querySelectorAll('.puntos-cargo')) d.hidden = !puntos;
    if (puntos)
      for (const k of ['compbas', 'proljor', 'jorcom', 'tardif']) $(`r-${k}`).textContent = puntos[k];
    $('Text10').textContent = res.date;
    $('Label3').textContent = escala.info.tituloRecibo;

    const negativo = res.totals.totalliq.startsWith('-');
    $('avisoLiquido').hidden = !negativo;
    $('avisoLiquido').textContent = negativo
      ? `${llamar('haberes_aviso_liquido').texto}\n${incorporada.textos.detalleLiquido}` : '';

    $('entrada').hidden = true;
    $('Haberes').hidden = false;
    $('tituloRecibo').setAttribute('tabindex', '-1');
    $('tituloRecibo').focus();
  };

  // "Volver": the entries as they were, with no pay basis chosen.
  const volver = () => {
    $('Haberes').hidden = true;
    $('entrada').hidden = false;
    for (const id of ['cargo', 'horasmedio', 'horassup']) $(id).checked = false;
    mostrarBase('');
    $('docente').focus();
  };

  // ---- Files: scales and entries.
  const leerArchivo = (input) => new Promise((resolve) => {
    const f = input.files && input.files[0];
    if (!f) return resolve(null);
    const lector = new FileReader();
    lector.onload = () => resolve({ nombre: f.name, texto: String(lector.result) });
    lector.onerror = () => resolve({ nombre: f.name, error: true });
    lector.readAsText(f, 'utf-8');
    input.value = '';
  });

  const abrirEscala = async () => {
    const archivo = await leerArchivo($('archivoEscala'));
    if (!archivo) return;
    if (archivo.error) return avisar(`No se pudo leer el archivo «${archivo.nombre}».`);
    const info = llamar('haberes_escala', archivo.texto, archivo.nombre);
    if (!info.ok) return avisar(info.error);
    const nueva = { nombre: info.nombre, vigencia: info.vigencia, archivo: archivo.nombre, texto: archivo.texto };
    const guardadas = leerGuardadas().filter((e) => e.nombre !== info.nombre);
    guardadas.unshift(nueva);
    let aviso = `Escala «${info.nombre}» abierta.`;
    try {
      localStorage.setItem(CLAVE_ESCALAS, JSON.stringify(guardadas));
      localStorage.setItem(CLAVE_ELEGIDA, info.nombre);
    } catch (e) {
      deEstaVisita = [nueva, ...deEstaVisita.filter((v) => v.nombre !== info.nombre)];
      aviso = `Escala «${info.nombre}» abierta; el navegador no dejó guardarla y se usa solo mientras la página esté abierta.`;
    }
    listarEscalas(info.nombre);
    usarEscala(info.nombre);
    avisar(aviso);
  };

  const abrirDatos = async () => {
    const archivo = await leerArchivo($('archivoDatos'));
    if (!archivo) return;
    if (archivo.error) return avisar(`No se pudo leer el archivo «${archivo.nombre}».`);
    let res = llamar('haberes_abrir_datos', archivo.texto, archivo.nombre, escala.texto);
    if (!res.ok) return avisar(res.error);
    // The entries' own scale, when the browser keeps it, is chosen first:
    // the file is read again under it.
    const suya = todasLasEscalas().find((e) => e.nombre === res.registro.escala);
    if (suya && suya.nombre !== escala.info.nombre) {
      const conSuya = llamar('haberes_abrir_datos', archivo.texto, archivo.nombre, suya.texto);
      if (!conSuya.ok) return avisar(conSuya.error);
      try { localStorage.setItem(CLAVE_ELEGIDA, suya.nombre); } catch (e) { /* kept for this visit */ }
      usarEscala(suya.nombre);
      res = conSuya;
    }
    volver();
    ponerRegistro(res.registro);
    avisar(res.aviso ? `Datos de «${archivo.nombre}» abiertos. ${res.aviso}` : `Datos de «${archivo.nombre}» abiertos.`);
  };

  const guardarDatos = () => {
    const texto = motor.ccall('haberes_guardar_datos', 'string', ['string', 'string'], [JSON.stringify(registro()), escala.texto]);
    const nombre = ($('docente').value.trim().replace(/[/\\:*?"<>|\u0000-\u001f]/g, '_') || 'datos de haberes') + '.json';
    const url = URL.createObjectURL(new Blob([texto], { type: 'application/json' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = nombre;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 1000);
  };

  const borrarGuardado = () => {
    localStorage.removeItem(CLAVE_ESCALAS);
    localStorage.removeItem(CLAVE_ELEGIDA);
    deEstaVisita = [];
    listarEscalas(incorporada.nombre);
    usarEscala(incorporada.nombre);
    avisar('Se borró todo lo guardado en este navegador.');
  };

  // ---- Start.
  const iniciar = async () => {
    motor = await createHaberes();
    incorporada = llamar('haberes_escala', '', '');
    for (const [i, z] of incorporada.zonas.entries()) {
      const o = document.createElement('option');
      o.value = String(i);
      o.textContent = z;
      $('zona').append(o);
    }
    let elegida = incorporada.nombre;
    try { elegida = localStorage.getItem(CLAVE_ELEGIDA) || elegida; } catch (e) { /* no storage: the built-in scale */ }
    listarEscalas(elegida);
    usarEscala($('escala').value);

    for (const id of ['cargo', 'horasmedio', 'horassup']) $(id).addEventListener('change', alElegirBase);
    $('codcargo').addEventListener('input', elegirPorCodigo);
    // A box of figures is usually retyped whole: entering it selects its text.
    for (const caja of document.querySelectorAll('input[inputmode]'))
      caja.addEventListener('focus', () => caja.select());
    $('cargox').addEventListener('input', elegirPorNombre);
    $('opincentivo').addEventListener('change', () => { $('Text1').textContent = $('opincentivo').checked ? 'Si' : 'No'; });
    for (const c of Object.keys(casillasConCantidad)) {
      $(c).addEventListener('change', () => mostrarCantidad(c));
      $(c).setAttribute('aria-expanded', 'false');
    }
    $('entrada').addEventListener('submit', calcular);
    $('Volver').addEventListener('click', volver);
    $('Imprimir').addEventListener('click', () => window.print());
    $('escala').addEventListener('change', () => {
      try { localStorage.setItem(CLAVE_ELEGIDA, $('escala').value); } catch (e) { /* kept for this visit */ }
      usarEscala($('escala').value);
    });
    $('abrirEscala').addEventListener('click', () => $('archivoEscala').click());
    $('archivoEscala').addEventListener('change', abrirEscala);
    $('abrirDatos').addEventListener('click', () => $('archivoDatos').click());
    $('archivoDatos').addEventListener('change', abrirDatos);
    $('guardarDatos').addEventListener('click', guardarDatos);
    $('borrarGuardado').addEventListener('click', borrarGuardado);

    $('cargando').hidden = true;
    $('Command1').disabled = false;
    document.body.dataset.listo = '1';
  };

  iniciar().catch((e) => {
    $('cargando').textContent = `No se pudo cargar el motor de cálculo: ${e && e.message ? e.message : e}`;
  });

  // Offline after the first visit; only where service workers may run.
  if ('serviceWorker' in navigator && window.isSecureContext)
    navigator.serviceWorker.register('sw.js').catch(() => {});
})();
