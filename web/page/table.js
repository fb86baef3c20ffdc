// The page's table test: the counts answered in a Worker, first as the
// desktop's table window shows them (its lines and its cells), then with
// the exact test counted behind them; Cancel ends the Worker.
const moduleSource = $('tarvik-module').textContent;
const workerSource = $('tarvik-worker').textContent;
let wasmBytes = null;
let worker = null, workerBusy = false, runId = 0, tableTimer = 0, exactKind = 'table';

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
    return;
  }
  if (!worker) startWorker();
  workerBusy = true;
  worker.postMessage({id: ++runId, counts, separators, language: currentLanguage});
}

function cancelExact(say) {
  if (worker) worker.terminate();
  worker = null;
  workerBusy = false;
  $('exact-progress-row').hidden = true;
  if (say) $('exact-status').textContent = plain(text(exactKind === 'fit' ? 'multinomialCancelled' : 'cancelled'));
}

function tableMessage(m) {
  if (m.id !== runId) return;
  if (m.phase === 'progress') {
    $('exact-progress').value = m.done;
    if (m.sampling && exactKind === 'table') $('exact-status').textContent = plain(text('drawing'));
  } else if (m.phase === 'report') {
    const report = JSON.parse(m.report);
    if (report.problem !== null) {
      workerBusy = false;
      $('table-results').textContent = '';
      $('table-error').textContent = asSentence(report.problem);
      return;
    }
    exactKind = report.fit ? 'fit' : 'table';
    renderReport(report);
    $('exact-progress').value = 0;
    $('exact-progress-row').hidden = false;
    $('exact-status').textContent = plain(text(report.fit ? 'multinomialCounting' : 'counting'));
  } else {
    workerBusy = false;
    $('exact-progress-row').hidden = true;
    $('exact-status').textContent = exactLine(m);
  }
}

// The exact test's line as the window writes it, its p from the command
// line's record; where a Monte Carlo p stands in, the note that says why.
function exactLine(m) {
  const [names, values] = m.out.split('\n').map((l) => l.split('\t'));
  const record = Object.fromEntries(names.map((k, i) => [k, values[i]]));
  const local = (v) => (separators.decimal === ',' ? v.replace('.', ',') : v);
  if (record.fisher_p !== undefined) return fill(text('exactP'), [local(record.fisher_p)]);
  if (record.exact_p !== undefined) return fill(text('multinomialP'), [local(record.exact_p)]);
  return withoutOption(m.err);
}

// The command line's lines for standard error as the page says them:
// without the program's name, and without the option that names the
// table ("--counts '-': "), which the page's user never typed.
function withoutOption(err) {
  const prefix = fill(text('countsOption'), ["'-'", '']);
  return err.trim().split('\n').map((l) => l.replace(/^tarvik: /, ''))
    .map((l) => (l.startsWith(prefix) ? l.slice(prefix.length) : l)).join(' ');
}

// The window's lines, then its cells' grid.
function renderReport(report) {
  const out = document.createDocumentFragment();
  for (const line of report.lines) {
    const p = document.createElement('p');
    p.textContent = line;
    out.append(p);
  }
  const table = document.createElement('table');
  const caption = document.createElement('caption');
  caption.textContent = text('cells');
  table.append(caption);
  [report.header, ...report.rows].forEach((cells, r) => {
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
  $('table-results').replaceChildren(out);
}
