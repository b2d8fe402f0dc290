// The page's sound: the chime and the spoken phrases through Web Audio, or
// the device's own Italian voice (?voice=device) where it has one. Browsers
// let a page sound only after a gesture: the child's first input opens the
// sound (open()), and nothing plays before it. Nothing here waits on a
// sound: a chime or a phrase asked for while its clip is still being
// fetched plays when it arrives, unless another phrase came meanwhile.
import { url, query } from './files.js';

let audio = null;                 // null: not opened yet; false: no sound
const buffers = new Map();        // file -> Promise of an AudioBuffer
let speaking = null;              // the source of the phrase playing
let asked = 0;                    // the phrases asked for so far
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
  load('chime.wav').then(start);
}

function italianVoice() {
  const voices = (window.speechSynthesis && speechSynthesis.getVoices()) || [];
  const italian = voices.filter((v) => /^it\b/i.test(v.lang));
  return italian.find((v) => v.localService) || italian[0] || null;
}

// A phrase (its clip KEY.mp3, or its text for the device's voice) stops
// the one still playing. The clips are fetched the first time they are
// said; the service worker keeps them for use without a network.
export function say(key, text) {
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
    return;
  }
  load('voice/' + key + '.mp3').then((buffer) => {
    if (turn === asked) speaking = start(buffer);
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
