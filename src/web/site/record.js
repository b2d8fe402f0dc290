// The class record's store: the IndexedDB database "aritmetica", with the
// children and the answers, each answer under the key the program gives
// its row (an answer kept twice, or by two tabs, is one). Off unless the
// teacher turned it on in this browser (remembered in localStorage): then,
// at start-up, the store's book goes to the program (attach), and every
// change the program hands (read at every frame, keep) is kept in one
// transaction, a download or a file chosen. Decides nothing: what a row
// holds, its key and every text the teacher reads are the program's; the
// fields go by the names of layout.js.
import { childFields, rowFields, choices } from './layout.js';
import { tick } from './playback.js';

const FLAG = 'aritmetica-registro';
let m = null;
let db = null;                  // a Promise of the database while the record is kept
let queue = Promise.resolve();  // the transactions asked for, one after another

function remembered() {
  try { return localStorage.getItem(FLAG) === 'acceso'; } catch (err) { return false; }
}

function remember(on) {
  try {
    if (on) localStorage.setItem(FLAG, 'acceso');
    else localStorage.removeItem(FLAG);
    return true;
  } catch (err) {
    return false;
  }
}

// A store that does not answer (another tab holding an older one, an
// engine's fault) leaves the record in memory rather than the program
// waiting for it.
const ANSWER_WITHIN = 5000;  // milliseconds

function openStore() {
  return new Promise((resolve, reject) => {
    setTimeout(() => reject(new Error('the store did not answer')), ANSWER_WITHIN);
    const asked = indexedDB.open('aritmetica', 1);  // may throw: a browser that keeps nothing
    asked.onblocked = () => reject(new Error('the store is held by another tab'));
    asked.onupgradeneeded = () => {
      const d = asked.result;
      d.createObjectStore('children', { autoIncrement: true }).createIndex('name', 'name', { unique: true });
      d.createObjectStore('answers').createIndex('child', 'child');
    };
    asked.onsuccess = () => {
      asked.result.onversionchange = () => asked.result.close();
      resolve(asked.result);
    };
    asked.onerror = (e) => { e.preventDefault(); reject(asked.error); };
  });
}

// Everything in the store: { children, rows }, the children in the order
// they were added.
function readAll(d) {
  return new Promise((resolve, reject) => {
    const t = d.transaction(['children', 'answers'], 'readonly');
    const children = t.objectStore('children').getAll(), rows = t.objectStore('answers').getAll();
    t.oncomplete = () => resolve({ children: children.result, rows: rows.result });
    t.onabort = () => reject(t.error);
  });
}

// Read at once, while the program loads: undefined with the record off,
// null when the browser keeps nothing.
export const stored = !remembered() ? Promise.resolve(undefined)
  : (db = openStore()).then(readAll).catch(() => { db = null; return null; });

const epoch = () => Date.now() - performance.now() - new Date().getTimezoneOffset() * 60000;

function putText(out, s) {
  out.push(s.length);
  for (let i = 0; i < s.length; ++i) out.push(s.charCodeAt(i));
}

function put(out, fields, item) {
  for (const f of fields.numbers) out.push(Number(item[f]) || 0);
  for (const f of fields.texts) putText(out, String(item[f] ?? ''));
}

function handIn(numbers) {
  const at = m._aritmetica_mailbox(numbers.length) / 8;
  m.HEAPF64.set(numbers, at);
}

// The book to the program; null: the record kept in memory only.
function open(book) {
  if (book) {
    const out = [book.children.length];
    for (const c of book.children) put(out, childFields, c);
    out.push(book.rows.length);
    for (const r of book.rows) put(out, rowFields, r);
    handIn(out);
  }
  m._aritmetica_open_class(epoch(), book ? 1 : 0);
}

export function attach(module, book) {
  m = module;
  if (book !== undefined) open(book);
}

// One transaction on the named stores; one the browser refuses is said on
// the teacher's screen.
function write(names, fill) {
  if (!db) return;
  const opened = db;
  queue = queue.then(() => opened).then((d) => new Promise((resolve) => {
    const t = d.transaction(names, 'readwrite');
    fill(...names.map((n) => t.objectStore(n)));
    t.oncomplete = resolve;
    t.onabort = () => { m._aritmetica_store_refused(); resolve(); };
  })).catch(() => {});
}

// Every transaction asked for so far is over.
export const settled = () => queue;

function eachOf(answers, child, act) {
  answers.index('child').openCursor(IDBKeyRange.only(child)).onsuccess = (e) => {
    const cursor = e.target.result;
    if (cursor) { act(cursor); cursor.continue(); }
  };
}

function keyOf(children, name, then) {
  children.index('name').getKey(name).onsuccess = (e) => then(e.target.result);
}

function download(name, text) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([text], { type: 'text/csv;charset=utf-8' }));
  a.download = name;
  document.body.appendChild(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 60000);
}

function chooseFile() {
  const input = document.createElement('input');
  input.type = 'file';
  input.accept = '.csv,.txt,text/csv,text/plain';
  input.addEventListener('change', () => {
    const file = input.files && input.files[0];
    if (!file) return;
    file.text().then((text) => {
      const out = [];
      putText(out, text);
      handIn(out);
      m._aritmetica_imported(performance.now());
      tick();
    }).catch(() => {});
  });
  input.click();
}

const act = {
  row: (c) => write(['answers'], (answers) => answers.put(c.row, c.key)),
  addChild: (c) => write(['children'], (children) => keyOf(children, c.child.name,
    (key) => (key === undefined ? children.add(c.child) : children.put(c.child, key)))),
  renameChild: (c) => write(['children', 'answers'], (children, answers) => {
    keyOf(children, c.name, (key) => (key === undefined ? children.add(c.child) : children.put(c.child, key)));
    eachOf(answers, c.name, (cursor) => cursor.delete());
    for (const r of c.rows) answers.put(r.row, r.key);
  }),
  removeChild: (c) => write(['children', 'answers'], (children, answers) => {
    keyOf(children, c.name, (key) => key !== undefined && children.delete(key));
    eachOf(answers, c.name, (cursor) => cursor.delete());
  }),
  eraseAll: () => write(['children', 'answers'], (children, answers) => { children.clear(); answers.clear(); }),
  export: (c) => download(c.name, c.text),
  import: chooseFile,
  turnOn: () => {
    if (!remember(true)) return open(null);
    const opened = db = openStore();  // its book comes before any change after it
    queue = queue.then(() => opened.then(readAll)).then(open, () => { db = null; open(null); });
  },
  turnOff: () => {
    remember(false);
    if (db) db.then((d) => d.close(), () => {});
    db = null;
  },
};

// The changes the program handed since the last frame, read whole before
// any is kept.
export function keep() {
  if (!m) return;
  const b = m.HEAPF64.subarray(m._aritmetica_changes() / 8);
  if (!b[0]) return;
  let i = 0;
  const text = () => {
    const n = b[i], units = b.subarray(i + 1, i + 1 + n);
    let s = '';
    for (let k = 0; k < n; k += 4096) s += String.fromCharCode(...units.subarray(k, k + 4096));
    i += 1 + n;
    return s;
  };
  const item = (fields) => {
    const o = {};
    for (const f of fields.numbers) o[f] = b[i++];
    for (const f of fields.texts) o[f] = text();
    return o;
  };
  const row = () => ({ key: text(), row: item(rowFields) });
  const changes = [];
  for (let n = b[i++]; n > 0; --n) {
    const c = { kind: choices.change[b[i++]], ...row(), child: item(childFields), name: text(), text: text(), rows: [] };
    for (let k = b[i++]; k > 0; --k) c.rows.push(row());
    changes.push(c);
  }
  for (const c of changes) act[c.kind](c);
}
