// Where the page finds its files: beside it on a web server, or, in the
// single-file edition, inside the page itself (data: addresses that the
// build put in window.aritmeticaFiles).
export function url(path) {
  const inside = globalThis.aritmeticaFiles;
  return (inside && inside[path]) || path;
}

// The settings of the address: ?voice=off, ?voice=device.
export const query = new URLSearchParams(location.search);
