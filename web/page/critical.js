// The page's critical values: the desktop window's settings read by the
// module, its table's rows asked for as they scroll into view, copied as
// the window copies them and saved as its CSV file.
const CRITICAL_START_PROBABILITIES = '0.10 0.05 0.025 0.01 0.005';
const CRITICAL_ROWS_AT_ONCE = 100;
let criticalRows = 0, criticalShown = 0, criticalGood = false, criticalSaveUrl = null;

// As the window's text reads them: where the decimal mark is a comma, a
// number's one point (and no comma) is its comma; the list's blanks and
// semicolons stay, and so does the caret (same length in and out).
function pointsAsCommas(list) {
  if (separators.decimal !== ',') return list;
  return list.split(/([\s;]+)/).map((item) => (/^[^,.]*\.[^,.]*$/.test(item) ? item.replace('.', ',') : item)).join('');
}

function criticalKind() {
  if ($('critical-two-sided').checked) return 2;
  return $('critical-lower').checked ? 1 : 0;
}

function refreshCritical() {
  const twoSided = $('critical-two-sided').checked;
  $('critical-upper').disabled = twoSided;
  $('critical-lower').disabled = twoSided;
  const settings = JSON.parse(api.criticalSet(Number($('critical-from').value) || 1, Number($('critical-to').value) || 1,
    criticalKind(), $('critical-probabilities').value));
  criticalGood = settings.problem === null;
  // The table below belongs to the last good settings: it is neither copied
  // nor saved while the problem shows, so nothing stale leaves the page.
  $('critical-copy').disabled = !criticalGood;
  $('critical-save').setAttribute('aria-disabled', String(!criticalGood));
  if (!criticalGood) {
    $('critical-problem').textContent = settings.sentence ? asSentence(settings.problem) : settings.problem;
    return;
  }
  $('critical-problem').textContent = '';
  const head = document.createElement('tr');
  for (const heading of settings.header) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = heading;
    head.append(th);
  }
  $('critical-table').tHead.replaceChildren(head);
  $('critical-table').tBodies[0].replaceChildren();
  criticalRows = settings.rows;
  criticalShown = 0;
  $('critical-scroll').scrollTop = 0;
  showMoreCritical();
}

function showMoreCritical() {
  if (criticalShown >= criticalRows) return;
  const rows = JSON.parse(api.criticalRows(criticalShown, CRITICAL_ROWS_AT_ONCE));
  const body = $('critical-table').tBodies[0];
  for (const cells of rows) {
    const tr = document.createElement('tr');
    cells.forEach((c, i) => {
      const cell = document.createElement(i === 0 ? 'th' : 'td');
      if (i === 0) cell.scope = 'row';
      cell.textContent = c;
      tr.append(cell);
    });
    body.append(tr);
  }
  criticalShown += rows.length;
}

async function copyCritical() {
  if (!criticalGood) return;
  const text = api.criticalText(0);
  try {
    await navigator.clipboard.writeText(text);
  } catch (e) {
    // Where the page may not write the clipboard (a file's page in some
    // browsers), the copy goes through a selection, as a user's would.
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    document.execCommand('copy');
    area.remove();
  }
}

// The CSV is made when the link is followed, so it is always the table
// shown.
function saveCritical(e) {
  if (!criticalGood) {
    e.preventDefault();
    return;
  }
  if (criticalSaveUrl) URL.revokeObjectURL(criticalSaveUrl);
  criticalSaveUrl = URL.createObjectURL(new Blob([api.criticalText(1)], {type: 'text/csv'}));
  $('critical-save').href = criticalSaveUrl;
}

function startCritical() {
  $('critical-probabilities').value = pointsAsCommas(CRITICAL_START_PROBABILITIES);
  const probabilities = $('critical-probabilities');
  probabilities.addEventListener('input', () => {
    const caret = probabilities.selectionStart;
    const read = pointsAsCommas(probabilities.value);
    if (read !== probabilities.value) {
      probabilities.value = read;
      probabilities.setSelectionRange(caret, caret);
    }
    refreshCritical();
  });
  for (const id of ['critical-from', 'critical-to', 'critical-upper', 'critical-lower', 'critical-two-sided'])
    $(id).addEventListener($(id).type === 'number' ? 'input' : 'change', refreshCritical);
  $('critical-scroll').addEventListener('scroll', () => {
    const s = $('critical-scroll');
    if (s.scrollTop + s.clientHeight > s.scrollHeight - 200) showMoreCritical();
  });
  $('critical-copy').addEventListener('click', copyCritical);
  $('critical-save').addEventListener('click', saveCritical);
  refreshCritical();
}
