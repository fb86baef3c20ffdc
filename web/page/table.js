// The page's table test: the counts answered in a Worker, at once without
// the exact test and then with it; Cancel ends the Worker.
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
  $('exact-status').textContent = '';
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
    $('table-error').textContent = sentence(withoutOption(m.err));
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
  else $('exact-status').textContent = withoutOption(m.err);
}

// The command line's lines for standard error as the page says them:
// without the program's name, and without the option that names the
// table ("--counts '-': "), which the page's user never typed.
function withoutOption(err) {
  const prefix = fill(text('countsOption'), ["'-'", '']);
  return err.trim().split('\n').map((l) => l.replace(/^tarvik: /, ''))
    .map((l) => (l.startsWith(prefix) ? l.slice(prefix.length) : l)).join(' ');
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
