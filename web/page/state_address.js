// Vardeln — MIT licence, see LICENSE.
// The conversion in the page's address, "#length/1/Feet/Meters", so that it can be shared as a
// link and survives a reload. Each part is percent-encoded: a label may hold a slash.

export function addressOf({ category, input, sourceUnit, targetUnit }) {
  return '#' + [category, input, sourceUnit, targetUnit].map(encodeURIComponent).join('/');
}

// The four parts of an address, or null when it does not hold exactly four readable parts.
export function stateOf(hash) {
  const parts = hash.replace(/^#/, '').split('/');
  if (parts.length !== 4) return null;
  try {
    const [category, input, sourceUnit, targetUnit] = parts.map(decodeURIComponent);
    return { category, input, sourceUnit, targetUnit };
  } catch {
    return null;  // a malformed percent sign
  }
}
