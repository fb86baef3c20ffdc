// The page's languages and its start: the module instantiated from the
// page's own gzipped WebAssembly, then the fields bound.
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
  if (api.ready) {
    runTable();
    refreshCritical();
  }
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
    criticalSet: call('tarvik_critical_set', 'string', ['number', 'number', 'number', 'string']),
    criticalRows: call('tarvik_critical_rows', 'string', ['number', 'number']),
    criticalText: call('tarvik_critical_text', 'string', ['number']),
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
  startCritical();
  new ResizeObserver(() => drawChartSoon()).observe($('chart').parentElement);
  api.ready = true;
  document.body.dataset.ready = 'true';
}

window.tarvikTimings = timings;
window.tarvikChartTimings = chartTimings;
start().catch((e) => {
  $('calculator-error').textContent = String(e && e.message ? e.message : e);
});
