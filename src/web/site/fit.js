// Where a board of width x height goes in a window of vw x vh before the
// program is there to say (the title recorded at build time): draw::fit's
// rule (the held title of tests/web/page_test.py is placed by it).
export function fit(width, height, vw, vh) {
  const factor = Math.min(vw / width, vh / height) > 0 ? Math.min(vw / width, vh / height) : 1;
  return { factor, left: Math.floor((vw - width * factor) / 2), top: Math.floor((vh - height * factor) / 2),
    width, height };
}
