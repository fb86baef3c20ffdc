// The table test off the page's thread: the first message brings the
// module's WebAssembly; each later one a table, answered first as the
// window shows it and then with the exact test, its progress between. The
// page cancels by ending the Worker: the count looks at no messages while
// it runs.
'use strict';
let tarvik = null, pending = null;
const ARGUMENTS = ['--counts', '-', '--format', 'tsv'].join('\x1f');

function run(m) {
  tarvik.language(m.language);
  tarvik.separators(m.separators.decimal.charCodeAt(0), m.separators.thousands.charCodeAt(0));
  const report = tarvik.lines(m.counts);
  postMessage({id: m.id, phase: 'report', report});
  if (JSON.parse(report).problem !== null) return;
  let shown = -1;
  tarvik.module.onExactProgress = (done, sampling) => {
    const percent = Math.floor(done * 100);
    if (percent === shown) return;
    shown = percent;
    postMessage({id: m.id, phase: 'progress', done, sampling});
  };
  // The command line's record carries the exact p in points, whatever the
  // browser's numbers.
  const status = tarvik.table(ARGUMENTS, m.counts, m.separators.decimal === ',' ? 1 : 0);
  postMessage({id: m.id, phase: 'exact', status, out: tarvik.output(), err: tarvik.errors()});
}

onmessage = (e) => {
  if (e.data.wasm) {
    TarvikModule({wasmBinary: e.data.wasm}).then((module) => {
      tarvik = {
        module,
        lines: module.cwrap('tarvik_table_lines', 'string', ['string']),
        table: module.cwrap('tarvik_table', 'number', ['string', 'string', 'number']),
        output: module.cwrap('tarvik_output', 'string', []),
        errors: module.cwrap('tarvik_errors', 'string', []),
        language: module.cwrap('tarvik_language', 'number', ['string']),
        separators: module.cwrap('tarvik_separators', null, ['number', 'number']),
      };
      if (pending) run(pending);
      pending = null;
    });
    return;
  }
  if (tarvik) run(e.data);
  else pending = e.data;
};
