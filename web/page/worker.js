// The table test off the page's thread: the first message brings the
// module's WebAssembly; each later one a table, answered twice, at once
// without the exact test and then with it, its progress between. The page
// cancels by ending the Worker: the count looks at no messages while it runs.
'use strict';
let tarvik = null, pending = null;
const ARGUMENTS = ['--counts', '-', '--format', 'tsv'].join('\x1f');

function answer(m, phase, exact) {
  const status = tarvik.table(ARGUMENTS, m.counts, m.comma ? 1 : 0, exact);
  postMessage({id: m.id, phase, status, out: tarvik.output(), err: tarvik.errors()});
  return status;
}

function run(m) {
  tarvik.language(m.language);
  if (answer(m, 'report', 0) !== 0) return;
  let shown = -1;
  tarvik.module.onExactProgress = (done, sampling) => {
    const percent = Math.floor(done * 100);
    if (percent === shown) return;
    shown = percent;
    postMessage({id: m.id, phase: 'progress', done, sampling});
  };
  answer(m, 'exact', 1);
}

onmessage = (e) => {
  if (e.data.wasm) {
    TarvikModule({wasmBinary: e.data.wasm}).then((module) => {
      tarvik = {
        module,
        table: module.cwrap('tarvik_table', 'number', ['string', 'string', 'number', 'number']),
        output: module.cwrap('tarvik_output', 'string', []),
        errors: module.cwrap('tarvik_errors', 'string', []),
        language: module.cwrap('tarvik_language', 'number', ['string']),
      };
      if (pending) run(pending);
      pending = null;
    });
    return;
  }
  if (tarvik) run(e.data);
  else pending = e.data;
};
