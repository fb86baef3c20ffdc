// Runs every case of a corpus (JSON lines: args, input, comma) through the
// page's module and writes each answer (status, out, err) as a JSON line,
// in order. Usage: node run_module.js tarvik.js corpus.jsonl
const fs = require('fs');
const path = require('path');
const TarvikModule = require(path.resolve(process.argv[2]));
// The WebAssembly handed over as bytes, as the page hands it: this
// emscripten's loader would fetch() a path, which node's fetch refuses.
const wasmBinary = fs.readFileSync(process.argv[2].replace(/\.js$/, '.wasm'));
TarvikModule({wasmBinary}).then((m) => {
  const run = m.cwrap('tarvik_run', 'number', ['string', 'string', 'number']);
  const out = m.cwrap('tarvik_output', 'string', []);
  const err = m.cwrap('tarvik_errors', 'string', []);
  const lines = fs.readFileSync(process.argv[3], 'utf8').split('\n').filter((l) => l);
  const answers = lines.map((line) => {
    const c = JSON.parse(line);
    const status = run(c.args.join('\x1f'), c.input, c.comma ? 1 : 0);
    return JSON.stringify({status, out: out(), err: err()});
  });
  fs.writeSync(1, answers.join('\n') + '\n');
});
