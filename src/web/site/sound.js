// The page's sound: the chime and the spoken phrases through Web Audio, or
// the device's own Italian voice (?voice=device) where it has one. Browsers
// let a page sound only after a gesture: the child's first input opens the
// sound (open()), and nothing plays before it. Nothing here waits on a
// sound: a chime or a phrase asked for while its clip is still being
// fetched plays when it arrives, unless another phrase came meanwhile.
import { url, query } from './files.js';

let audio = null;                 // null: not opened yet; false: no sound
const buffers = new Map();        // file -> Promise of an AudioBuffer
let phrases = null;               // Promise of the catalogue: text -> clip file
let speaking = null;              // the source of the phrase playing
let asked = 0;                    // the phrases asked for so far
export const heard = { chimes: 0, phrases: 0 };  // chimes asked for, phrases started (the tests read them)
const mode = query.get('voice');  // 'off', 'device', or the clips

export const voiceOn = mode !== 'off';

export function open() {
  if (audio !== null) return;
  try {
    const Context = window.AudioContext || window.webkitAudioContext;
    audio = new Context();
    load('chime.wav');
  } catch (err) {
    audio = false;  // no sound device: silent
  }
}

// The catalogue and the clips come after the first paint; the service
// worker keeps them for use without a network.
export function prefetch() {
  if (!voiceOn || phrases) return;
  phrases = fetch(url('voice/phrases.txt')).then((r) => r.text()).then((text) => {
    const map = new Map();
    for (const line of text.split('\n')) {
      const tab = line.indexOf('\t');
      if (tab > 0) map.set(line.slice(tab + 1).trim(), 'voice/' + line.slice(0, tab) + '.mp3');
    }
    return map;
  }).catch(() => new Map());
}

function load(file) {
  if (!buffers.has(file)) {
    buffers.set(file, fetch(url(file)).then((r) => r.arrayBuffer())
      .then((bytes) => new Promise((resolve, reject) => audio.decodeAudioData(bytes, resolve, reject)))
      .catch(() => null));
  }
  return buffers.get(file);
}

function start(buffer) {
  if (!buffer || !audio) return null;
  try {
    if (audio.state === 'suspended') audio.resume().catch(() => {});
    const source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    source.start();
    return source;
  } catch (err) {
    return null;  // silent
  }
}

export function chime() {
  if (!audio) return;
  heard.chimes++;
  load('chime.wav').then(start);
}

function italianVoice() {
  const voices = (window.speechSynthesis && speechSynthesis.getVoices()) || [];
  const italian = voices.filter((v) => /^it\b/i.test(v.lang));
  return italian.find((v) => v.localService) || italian[0] || null;
}

// A phrase stops the one still playing.
export function say(text) {
  if (!audio || !voiceOn) return;
  hush();
  const turn = ++asked;
  const voice = mode === 'device' ? italianVoice() : null;
  if (voice) {
    const u = new SpeechSynthesisUtterance(text.toLowerCase());
    u.voice = voice;
    u.lang = voice.lang;
    u.rate = 0.9;
    speechSynthesis.speak(u);
    heard.phrases++;
    return;
  }
  prefetch();
  phrases.then((map) => map.get(text) ? load(map.get(text)) : null).then((buffer) => {
    if (turn !== asked) return;
    speaking = start(buffer);
    if (speaking) heard.phrases++;
  });
}

export function hush() {
  ++asked;
  if (speaking) {
    try { speaking.stop(); } catch (err) { /* over already */ }
    speaking = null;
  }
  if (window.speechSynthesis && mode === 'device') speechSynthesis.cancel();
}
