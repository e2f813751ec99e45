// Vardeln — MIT licence, see LICENSE.
// The "Numbers" setting: how the number box is read and the result written (the decimal mark,
// the digit groups, the precision and the notation). It starts from the decimal mark of the
// browser's language and no groups, as the window starts from the system's, and is kept on
// this device only. Links keep the converter's own form whatever it says.
const element = (id) => document.getElementById(id);
const storageKey = 'vardeln-numbers';

// The digit groups offered, each with the grouping and the mark it asks for.
const groupings = {
  none: { grouping: 'none', groupMark: 'comma' },
  comma: { grouping: 'thousands', groupMark: 'comma' },
  point: { grouping: 'thousands', groupMark: 'point' },
  apostrophe: { grouping: 'thousands', groupMark: 'apostrophe' },
  space: { grouping: 'thousands', groupMark: 'narrowNoBreakSpace' },
  indian: { grouping: 'indian', groupMark: 'comma' },
};

function browserDecimalMark() {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((part) => part.type === 'decimal')?.value === ',' ? ',' : '.';
  } catch {
    return '.';
  }
}

// The device's storage, where a browser keeps one for the page; a setting it refuses to keep
// holds for this visit.
const deviceStorage = (() => {
  try {
    return localStorage;
  } catch {
    return { getItem: () => null, setItem() {} };
  }
})();

// A setting as kept: { decimalMark, groups, precision, digits, notation }.
function keptSetting() {
  const start = { decimalMark: browserDecimalMark(), groups: 'none', precision: 'shown',
                  digits: 15, notation: 'general' };
  try {
    const kept = JSON.parse(deviceStorage.getItem(storageKey));
    return kept && typeof kept === 'object' ? { ...start, ...kept } : start;
  } catch {
    return start;
  }
}

// Answers the style the page starts with; apply(style) is called with each one the user
// chooses after. groupMarkBeside(decimalMark, groupMark) is the converter's: the mark a
// grouping takes beside the decimal mark.
export function setUpNumberSetting(apply, groupMarkBeside) {
  const decimalMark = element('decimalMark');
  const groups = element('groups');
  const precision = element('precision');
  const digits = element('digits');
  const notation = element('notation');

  // A choice of groups as the converter writes it beside a decimal mark.
  const groupsBeside = (groups, mark) => {
    const { grouping, groupMark } = groupings[groups];
    return { grouping, groupMark: groupMarkBeside(mark, groupMark) };
  };
  // The choice that gives the same groups beside a decimal mark: another one where the
  // converter takes that one's mark instead (1,234,567 is 1.234.567 beside a decimal comma).
  const sameGroups = (groups, mark) => {
    const { grouping, groupMark } = groupsBeside(groups, mark);
    return Object.keys(groupings).find((other) => groupings[other].grouping === grouping &&
                                                  groupings[other].groupMark === groupMark) ?? groups;
  };

  // The style the converter takes for a setting.
  function styleOf(setting) {
    const shown = setting.precision === 'shown';
    const { grouping, groupMark } = groupsBeside(setting.groups, setting.decimalMark);
    return { decimalMark: setting.decimalMark, grouping, groupMark,
             precision: shown ? 'significantDigits' : setting.precision,
             digits: shown ? 15 : setting.digits, notation: setting.notation };
  }

  // A choice the form does not offer (kept by another version) is the list's first.
  const choose = (list, value) => {
    list.value = value;
    if (list.selectedIndex < 0) list.selectedIndex = 0;
  };

  // Shows a setting as the form can hold it, and answers it.
  function show(setting) {
    choose(decimalMark, setting.decimalMark);
    choose(precision, setting.precision);
    choose(notation, setting.notation);
    for (const option of groups.options) {
      option.disabled = sameGroups(option.value, decimalMark.value) !== option.value;
    }
    choose(groups, setting.groups);
    choose(groups, sameGroups(groups.value, decimalMark.value));
    for (const part of document.querySelectorAll('.digits')) {
      part.hidden = precision.value === 'shown';
    }
    digits.min = precision.value === 'decimals' ? 0 : 1;
    const count = Math.round(Number(setting.digits));
    digits.value = Number.isFinite(count) ? Math.min(17, Math.max(Number(digits.min), count)) : 15;
    return {
      decimalMark: decimalMark.value, groups: groups.value, precision: precision.value,
      digits: Number(digits.value), notation: notation.value,
    };
  }

  // A precision newly chosen starts at a count people commonly ask for.
  const startingDigits = { shown: 15, significantDigits: 6, decimals: 2 };

  function changed(event) {
    const setting = show({
      decimalMark: decimalMark.value, groups: groups.value, precision: precision.value,
      digits: event.target === precision ? startingDigits[precision.value] : digits.value,
      notation: notation.value,
    });
    deviceStorage.setItem(storageKey, JSON.stringify(setting));
    apply(styleOf(setting));
  }

  for (const control of [decimalMark, groups, precision, digits, notation]) {
    control.addEventListener('change', changed);
  }
  return styleOf(show(keptSetting()));
}
