// The page's calculator: the fields' events passed to the module's
// calculator core as the desktop's window passes them, its effects shown,
// the chart drawn, and the link written and read.
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
  // The df being typed keeps its text; it shows the df in use when left.
  if (document.activeElement !== $('df')) $('df').value = String(fx.df);
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

// Laid out at most 560 pixels wide and scaled up beyond: on a 4K screen
// the lines, the marker and the labels grow with the chart, as the
// desktop's saved pictures grow theirs.
const CHART_LAYOUT_WIDTH = 560, CHART_LABEL_PIXELS = 12;
function drawChart() {
  const svg = $('chart');
  const width = Math.max(180, Math.round(svg.parentElement.clientWidth || 275));
  const height = Math.max(150, Math.round(Math.min(width * 0.75, window.innerHeight * 0.7)));
  const scale = Math.max(1, width / CHART_LAYOUT_WIDTH);
  const laidOut = [Math.round(width / scale), Math.round(height / scale)];
  const chart = JSON.parse(api.chart(laidOut[0], laidOut[1], CHART_LABEL_PIXELS));
  svg.setAttribute('viewBox', `0 0 ${laidOut[0]} ${laidOut[1]}`);
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
