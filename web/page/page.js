// The page: the desktop's calculator core and table test, driven by the
// page's fields. Everything is computed by the module (the same C++ as the
// desktop); this file only passes events in and shows what comes back.
'use strict';

// The page's words: [context, source] as the desktop's translation files
// have them, looked up in the module's catalogue for the language in use.
const TEXTS = {
  df: ['CalculatorWindow', 'Degrees of freedom'],
  value: ['CalculatorWindow', 'Chi-square value'],
  cdf: ['CalculatorWindow', 'Cumulative distribution function'],
  upper: ['CalculatorWindow', 'Upper tail probability'],
  density: ['CalculatorWindow', 'Probability density function :  '],
  keepValue: ['CalculatorWindow', 'Keep the chi-square value when the degrees of freedom change'],
  keepCdf: ['CalculatorWindow', 'Keep the cumulative probability when the degrees of freedom change'],
  chart: ['CalculatorWindow', 'Density chart'],
  help: ['CalculatorWindow', 'Help'],
  language: ['CalculatorWindow', '&Language'],
  tableHeading: ['CalculatorWindow', 'Test a table…'],  // shown without its menu's ellipsis
  counts: ['TableWindow', 'Counts'],
  countsHint: ['TableWindow', 'Type or paste the counts: a table of 2 × 2 or more, or one row of counts to fit.'],
  cancel: ['TableWindow', 'C&ancel'],
  cells: ['TableWindow', 'Cells'],
  exactProgress: ['TableWindow', 'Exact test progress'],
  counting: ['TableWindow', 'Fisher\'s exact test: counting the tables with these margins…'],
  drawing: ['TableWindow', 'Fisher\'s exact test: too many tables to count; drawing 100000 random tables…'],
  exactP: ['TableWindow', 'Fisher\'s exact p = %1'],
  cancelled: ['TableWindow', 'Fisher\'s exact test cancelled'],
  multinomialCounting: ['TableWindow', 'Exact multinomial test: counting the outcomes…'],
  multinomialP: ['TableWindow', 'Exact multinomial p = %1'],
  multinomialCancelled: ['TableWindow', 'Exact multinomial test cancelled'],
};
const HELP = [
  'Welcome to Tarvik by Osterby !', '',
  'Tarvik by Osterby for Linux and Windows computers calculates a couple of functions of the Chi-square (X2) distribution:',
  '  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability',
  '  * the X2 value (inverse cdf)', '  * the probability density function', '',
  'To use, just edit the desired field, or change the degrees of freedom using the arrows.',
  'When doing the latter, you have the option of either',
  '  * freezing the X2 value to change the cdf and upper tail probability',
  '  * freezing the cdf and upper tail probability to change the X2 value',
  'If in doubt, just try it! ', '', 'About', '',
  'Tarvik is offered as it is, without any warranty. The numbers it shows are computed with care in 80-bit extended precision and checked against an independent 50-digit reference, but please verify any result that an important decision rests on.',
  '',
  'Questions, suggestions and reports of errors are welcome at tarvik@osterby.example.',
];
const LANGUAGES = ['en', 'de', 'es', 'fr', 'nl', 'tr', 'zh_CN'];
const FIELDS = ['value', 'cdf', 'upper'];
const LOWEST_DF = 1, HIGHEST_DF = 300, DF_PAGE = 10;

const $ = (id) => document.getElementById(id);
let api = null;  // the module's functions
const separators = browserSeparators();

// The browser's decimal and thousands marks, as the desktop reads its
// locale's: one ASCII character each, else the point and the comma.
function browserSeparators() {
  const parts = new Intl.NumberFormat(navigator.language, {useGrouping: true}).formatToParts(12345.5);
  const part = (type, fallback) => {
    const p = parts.find((x) => x.type === type);
    return p && p.value.length === 1 && p.value.charCodeAt(0) < 128 ? p.value : fallback;
  };
  const decimal = part('decimal', '.') === ',' ? ',' : '.';
  return {decimal, thousands: part('group', decimal === ',' ? '.' : ',')};
}

function text(key) { return api ? api.text(TEXTS[key][0], TEXTS[key][1]) : TEXTS[key][1]; }
// A menu's text without its mnemonic's ampersand and its ellipsis; a
// window's label without its colon.
function plain(s) { return s.replace(/&(?!&)/g, '').replace(/…$/, '').replace(/\s*:\s*$/, '').trim(); }
function fill(pattern, args) { return pattern.replace(/%(\d)/g, (m, n) => (args[n - 1] !== undefined ? args[n - 1] : m)); }
// The desktop's message box ends every message with a full stop.
function sentence(s) { return /[.!?…]$/.test(s) ? s : s + '.'; }

async function inflate(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// ---- the calculator ----

const inputs = FIELDS.map((f) => $(f));
const notes = FIELDS.map((f) => $(f + '-note'));
const pressed = [false, false, false], pressEdited = [false, false, false];
let linkField = 1;  // the field the link carries: the cdf at the start
// Each event's milliseconds (the module's chain and the fields written),
// and each chart's (laid out, written as SVG, put into the page), for the
// benchmark.
const timings = [], chartTimings = [];

function show(json) {
  const fx = JSON.parse(json);
  fx.texts.forEach((t, i) => { if (t !== null && inputs[i].value !== t) inputs[i].value = t; });
  fx.notes.forEach((n, i) => {
    notes[i].textContent = n;
    inputs[i].classList.toggle('marked', n !== '');
  });
  $('density').textContent = fx.pdf;
  if (document.activeElement !== $('df') || Number($('df').value) !== fx.df) {
    if (document.activeElement !== $('df')) $('df').value = String(fx.df);
  }
  $('keep-value').checked = fx.frozen;
  $('keep-cdf').checked = !fx.frozen;
  $('calculator-error').textContent = fx.error ? sentence(fx.error) : '';
  if (fx.chart) drawChartSoon();
  $('calculator-results').textContent = fx.all.map((t, i) => text(FIELDS[i]) + ' ' + t).join('; ') +
    '; ' + plain(text('density')) + ' ' + fx.pdf;
  writeLink(fx);
}

function timed(event) {
  const start = performance.now();
  show(event());
  timings.push(performance.now() - start);
  if (timings.length > 1000) timings.shift();
}

// The chart follows at the next frame: keys typed faster than frames
// redraw it once a frame, and the fields never wait for it.
let chartPending = false;
function drawChartSoon() {
  if (chartPending) return;
  chartPending = true;
  requestAnimationFrame(() => {
    chartPending = false;
    const start = performance.now();
    drawChart();
    chartTimings.push(performance.now() - start);
    if (chartTimings.length > 1000) chartTimings.shift();
  });
}

function drawChart() {
  const svg = $('chart');
  const width = Math.max(180, Math.round(svg.parentElement.clientWidth || 275));
  const height = Math.max(150, Math.round(Math.min(width * 0.75, window.innerHeight * 0.7)));
  const labels = Math.min(24, Math.max(11, Math.round(width / 30)));
  const chart = JSON.parse(api.chart(width, height, labels));
  svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
  svg.setAttribute('width', width);
  svg.setAttribute('height', height);
  svg.innerHTML = chart.svg;
  $('chart-description').textContent = chart.description;
}

// The link carries the df and the field last edited, its decimal mark a
// point whatever the browser's locale: a copied link shows what the sender
// saw. A page opened from a file may not change its address; the link
// then goes after '#'.
function writeLink(fx) {
  const params = new URLSearchParams();
  params.set('df', String(fx.df));
  params.set(FIELDS[linkField], fx.all[linkField].split(separators.decimal).join('.'));
  const query = '?' + params.toString();
  if (location.search === query) return;
  try {
    history.replaceState(null, '', query);
  } catch (e) {
    if (location.hash !== '#' + params.toString()) history.replaceState(null, '', '#' + params.toString());
  }
}

// Read before the start's values rewrite the address.
const linkGiven = location.search || location.hash.slice(1);
function readLink() {
  const params = new URLSearchParams(linkGiven);
  const df = params.get('df');
  if (df !== null && /^\s*\d+\s*$/.test(df)) {
    const n = Math.min(HIGHEST_DF, Math.max(LOWEST_DF, Number(df)));
    $('df').value = String(n);
    timed(() => api.df(n));
  }
  for (const [key, value] of params) {
    const i = FIELDS.indexOf(key);
    if (i < 0) continue;
    const typed = separators.decimal === ',' ? value.split('.').join(',') : value;
    inputs[i].value = typed;
    linkField = i;
    timed(() => api.edit(i, typed));
    timed(() => api.commit(i));
  }
}

function bindField(i) {
  const input = inputs[i];
  input.addEventListener('beforeinput', (e) => {
    if (e.inputType !== 'insertText' || !e.data || e.data.length !== 1) return;
    const caret = input.selectionStart;
    const inserted = api.key(input.value, caret, e.data.charCodeAt(0));
    if (inserted === e.data.charCodeAt(0)) return;
    e.preventDefault();
    if (inserted === 0) return;
    input.setRangeText(String.fromCharCode(inserted), caret, input.selectionEnd, 'end');
    input.dispatchEvent(new Event('input'));
  });
  input.addEventListener('input', () => {
    if (pressed[i]) pressEdited[i] = true;
    linkField = i;
    timed(() => api.edit(i, input.value));
  });
  input.addEventListener('keydown', (e) => {
    pressed[i] = true;
    pressEdited[i] = false;
    if (e.key === 'Enter') timed(() => api.commit(i));
  });
  // A release runs the chain only for a press that reached this field and
  // changed nothing: a change has run it already.
  input.addEventListener('keyup', () => {
    if (!pressed[i]) return;
    pressed[i] = false;
    if (!pressEdited[i]) timed(() => api.release(i));
  });
  // Leaving for another control commits; the page losing the focus (another
  // window, another tab) does not: the user comes back to the text as it was.
  input.addEventListener('blur', () => { if (document.hasFocus()) timed(() => api.commit(i)); });
}

function bindDf() {
  const df = $('df');
  const apply = () => {
    if (!/^\d+$/.test(df.value.trim())) return;
    let n = Number(df.value);
    if (n < LOWEST_DF) n = LOWEST_DF;
    if (n > HIGHEST_DF) n = HIGHEST_DF;
    timed(() => api.df(n));
  };
  df.addEventListener('input', apply);
  df.addEventListener('keydown', (e) => {
    if (e.key !== 'PageUp' && e.key !== 'PageDown') return;
    e.preventDefault();
    const n = Math.min(HIGHEST_DF, Math.max(LOWEST_DF, (Number(df.value) || 1) + (e.key === 'PageUp' ? DF_PAGE : -DF_PAGE)));
    df.value = String(n);
    apply();
  });
  // Left empty or out of range, the field shows the df in use again.
  df.addEventListener('change', () => {
    const n = Number(df.value);
    if (!/^\d+$/.test(df.value.trim()) || n < LOWEST_DF || n > HIGHEST_DF) {
      df.value = String(Math.min(HIGHEST_DF, Math.max(LOWEST_DF, Math.round(n) || LOWEST_DF)));
      apply();
    }
  });
  $('keep-value').addEventListener('change', (e) => timed(() => api.freeze(e.target.checked ? 1 : 0)));
  $('keep-cdf').addEventListener('change', (e) => timed(() => api.freeze(e.target.checked ? 0 : 1)));
}

// ---- the table test, in a Worker ----

const moduleSource = $('tarvik-module').textContent;
const workerSource = $('tarvik-worker').textContent;
let wasmBytes = null;
let worker = null, workerBusy = false, runId = 0, tableTimer = 0;

function startWorker() {
  const url = URL.createObjectURL(new Blob([moduleSource, '\n', workerSource], {type: 'text/javascript'}));
  worker = new Worker(url);
  URL.revokeObjectURL(url);
  worker.onmessage = (e) => tableMessage(e.data);
  worker.postMessage({wasm: wasmBytes});
}

function runTable() {
  const counts = $('counts').value;
  if (workerBusy) cancelExact(false);
  $('table-error').textContent = '';
  if (!counts.trim()) {
    $('table-results').textContent = '';
    $('exact-status').textContent = '';
    return;
  }
  if (!worker) startWorker();
  workerBusy = true;
  worker.postMessage({id: ++runId, counts, comma: separators.decimal === ',', language: currentLanguage});
}

function cancelExact(say) {
  if (worker) worker.terminate();
  worker = null;
  workerBusy = false;
  $('exact-progress-row').hidden = true;
  if (say) $('exact-status').textContent = plain(text(exactKind === 'fit' ? 'multinomialCancelled' : 'cancelled'));
}

let exactKind = 'table';
function tableMessage(m) {
  if (m.id !== runId) return;
  if (m.phase === 'progress') {
    $('exact-progress').value = m.done;
    if (m.sampling && exactKind === 'table') $('exact-status').textContent = plain(text('drawing'));
    return;
  }
  if (m.status !== 0) {
    workerBusy = false;
    $('exact-progress-row').hidden = true;
    $('exact-status').textContent = '';
    $('table-results').textContent = '';
    $('table-error').textContent = sentence(m.err.trim().split('\n').map((l) => l.replace(/^tarvik: /, '')).join(' '));
    return;
  }
  const blocks = m.out.trim().split(/\n\s*\n/).map((b) => b.split('\n').map((l) => l.split('\t')));
  renderTable(blocks);
  if (m.phase === 'report') {
    // One row of counts is a fit (its record has no bias-corrected V):
    // its exact test is the multinomial one.
    exactKind = blocks[0][0].includes('V_adj') ? 'table' : 'fit';
    $('exact-progress').value = 0;
    $('exact-progress-row').hidden = false;
    $('exact-status').textContent = plain(text(exactKind === 'fit' ? 'multinomialCounting' : 'counting'));
    return;
  }
  workerBusy = false;
  $('exact-progress-row').hidden = true;
  const record = Object.fromEntries(blocks[0][0].map((k, i) => [k, blocks[0][1][i]]));
  const local = (v) => (separators.decimal === ',' ? String(v).replace('.', ',') : v);
  if (record.fisher_p !== undefined) $('exact-status').textContent = fill(text('exactP'), [local(record.fisher_p)]);
  else if (record.exact_p !== undefined) $('exact-status').textContent = fill(text('multinomialP'), [local(record.exact_p)]);
  else $('exact-status').textContent = m.err.trim().split('\n').map((l) => l.replace(/^tarvik: /, '')).join(' ');
}

// The record as name = value pairs, then each further block as a table.
function renderTable(blocks) {
  const out = document.createDocumentFragment();
  const [names, values] = blocks[0];
  const record = document.createElement('div');
  record.className = 'record';
  names.forEach((name, i) => {
    const item = document.createElement('div');
    const key = document.createElement('span');
    key.textContent = name;
    const value = document.createElement('span');
    value.textContent = values[i] !== undefined ? values[i] : '';
    item.append(key, value);
    record.append(item);
  });
  out.append(record);
  for (const block of blocks.slice(1)) {
    const table = document.createElement('table');
    const caption = document.createElement('caption');
    caption.textContent = text('cells');
    table.append(caption);
    block.forEach((cells, r) => {
      const row = document.createElement('tr');
      for (const c of cells) {
        const cell = document.createElement(r === 0 ? 'th' : 'td');
        if (r === 0) cell.scope = 'col';
        cell.textContent = c;
        row.append(cell);
      }
      table.append(row);
    });
    out.append(table);
  }
  $('table-results').replaceChildren(out);
}

// ---- languages ----

let currentLanguage = 'en';
function browserLanguage() {
  for (const tag of navigator.languages || [navigator.language]) {
    const lower = tag.toLowerCase();
    if (lower.startsWith('zh')) return 'zh_CN';
    const code = lower.slice(0, 2);
    if (LANGUAGES.includes(code)) return code;
  }
  return 'en';
}

function useLanguage(code) {
  currentLanguage = api.language(code) ? code : 'en';
  document.documentElement.lang = currentLanguage.replace('_', '-');
  for (const el of document.querySelectorAll('[data-text]')) el.textContent = plain(text(el.dataset.text));
  $('language-label').textContent = plain(text('language'));
  $('chart').setAttribute('aria-label', plain(text('chart')));
  $('exact-progress').setAttribute('aria-label', plain(text('exactProgress')));
  const help = $('help-text');
  help.replaceChildren(...HELP.map((line) => {
    const p = document.createElement('p');
    p.textContent = line ? api.text('HelpText', line).trim() : '';
    return p;
  }));
  $('language').value = currentLanguage;
  try { localStorage.setItem('tarvik-language', currentLanguage); } catch (e) { /* a private window */ }
  drawChart();
  if (api.ready) runTable();
}

// ---- start ----

async function start() {
  const factory = new Function(moduleSource + '\nreturn TarvikModule;')();
  wasmBytes = await inflate(TARVIK_WASM);
  const m = await factory({wasmBinary: wasmBytes});
  const call = (name, ret, args) => m.cwrap(name, ret, args);
  api = {
    text: call('tarvik_text', 'string', ['string', 'string']),
    language: call('tarvik_language', 'number', ['string']),
    show: call('tarvik_calc_show', 'string', []),
    start: call('tarvik_calc_start', 'string', []),
    edit: call('tarvik_calc_edit', 'string', ['number', 'string']),
    release: call('tarvik_calc_release', 'string', ['number']),
    commit: call('tarvik_calc_commit', 'string', ['number']),
    df: call('tarvik_calc_df', 'string', ['number']),
    freeze: call('tarvik_calc_freeze', 'string', ['number']),
    key: call('tarvik_calc_key', 'number', ['string', 'number', 'number']),
    chart: call('tarvik_chart', 'string', ['number', 'number', 'number']),
  };
  m.labelFamily = 'Arial, "Liberation Sans", Helvetica, sans-serif';
  call('tarvik_separators', null, ['number', 'number'])(separators.decimal.charCodeAt(0), separators.thousands.charCodeAt(0));
  let stored = null;
  try { stored = localStorage.getItem('tarvik-language'); } catch (e) { /* none kept */ }
  useLanguage(LANGUAGES.includes(stored) ? stored : browserLanguage());
  timed(() => api.show());
  timed(() => api.start());
  readLink();
  FIELDS.forEach((f, i) => bindField(i));
  bindDf();
  $('language').addEventListener('change', (e) => useLanguage(e.target.value));
  $('counts').addEventListener('input', () => { clearTimeout(tableTimer); tableTimer = setTimeout(runTable, 150); });
  $('cancel').addEventListener('click', () => cancelExact(true));
  new ResizeObserver(() => drawChartSoon()).observe($('chart').parentElement);
  api.ready = true;
  document.body.dataset.ready = 'true';
}

window.tarvikTimings = timings;
window.tarvikChartTimings = chartTimings;
start().catch((e) => {
  $('calculator-error').textContent = String(e && e.message ? e.message : e);
});
