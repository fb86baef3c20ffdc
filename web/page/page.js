// The page: the desktop's calculator core and table test, driven by the
// page's fields. Everything is computed by the module (the same C++ as the
// desktop); the page only passes events in and shows what comes back.
// This file holds its words and helpers; calculator.js, table.js,
// critical.js and start.js follow it in one script (scripts/web_page.py).
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
  criticalHeading: ['CalculatorWindow', 'Critical values…'],
  criticalFrom: ['CriticalValuesWindow', 'Degrees of freedom &from'],
  criticalTo: ['CriticalValuesWindow', '&to'],
  probabilities: ['CriticalValuesWindow', '&Probabilities'],
  probabilitiesHint: ['CriticalValuesWindow', 'Tail probabilities, one per column, apart by blanks or semicolons'],
  upperTail: ['CriticalValuesWindow', '&Upper tail P(X>x)'],
  lowerTail: ['CriticalValuesWindow', '&Lower tail P(X<=x)'],
  twoSided: ['CriticalValuesWindow', 'T&wo-sided: each tail p/2'],
  copy: ['CriticalValuesWindow', '&Copy'],
  save: ['CriticalValuesWindow', '&Save as…'],
  copyHint: ['CriticalValuesWindow', 'Copies the table as tab-separated cells'],
  saveHint: ['CriticalValuesWindow', 'Saves the table as a CSV file'],
  criticalDescription: ['CriticalValuesWindow', 'One row per degrees of freedom, one column per probability'],
  countsOption: ['CommandLine', '--counts %1: %2'],
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
// A reader's message as the windows say it under a field: its first letter
// capital (unless its first word holds a digit), a full stop after it.
function asSentence(message) {
  const first = message.split(' ')[0];
  const capital = /\d/.test(first) ? message : message.charAt(0).toUpperCase() + message.slice(1);
  return capital + '.';
}

async function inflate(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}
