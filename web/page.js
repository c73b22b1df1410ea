// The page around the game: checks what the browser can do, reads the stored files, and is the
// game's screen, keyboard, pointer, loudspeaker and clock (the web platform calls
// Module.quorrelWeb; the page calls the game's quorrel_* functions).
'use strict';
(function () {
  const canvas = document.getElementById('screen');
  const title = document.getElementById('title');
  const notice = document.getElementById('notice');
  const message = document.getElementById('message');
  // Times for the benchmark (bench/web_bench), in the page's clock.
  const stats = window.quorrelStats = { firstFrame: 0, frames: 0, lastFrame: 0, lastInput: 0,
    inputFrame: 0, clickToFrame: 0 };

  function say(sentence) {
    message.textContent = sentence;
    message.hidden = false;
  }
  // The game is built with WebAssembly tail calls: a function of one return_call must validate.
  const tailCalls = typeof WebAssembly === 'object' && WebAssembly.validate(new Uint8Array([0, 97,
    115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0, 10, 6, 1, 4, 0, 18, 0, 11]));
  if (!tailCalls || typeof indexedDB !== 'object' || !indexedDB) {
    say('Quorrel needs a browser with WebAssembly and storage: please open it in an up-to-date browser.');
    return;
  }
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }

  // --- Calls into the game; after each, changed files go to the browser's storage. ---------
  let game = null;
  function call(name, types, args) {
    if (!game) return 0;
    const result = Module.ccall(name, 'number', types, args);
    keepFiles();
    return result;
  }

  let storage = true, syncing = false, again = false, kept = '';
  function fileStamp(path) {  // the newest change and the count of files under path
    let newest = 0, count = 0;
    for (const name of FS.readdir(path)) {
      if (name === '.' || name === '..') continue;
      const node = FS.lookupPath(path + '/' + name).node;
      if (FS.isDir(node.mode)) {
        const inner = fileStamp(path + '/' + name);
        newest = Math.max(newest, inner[0]);
        count += inner[1] + 1;
      } else {
        newest = Math.max(newest, node.timestamp || 0);
        count += 1;
      }
    }
    return [newest, count];
  }
  function keepFiles(force) {
    if (!storage) return;
    const stamp = fileStamp('/data').join('/');
    if (stamp === kept && !force) return;
    kept = stamp;
    if (syncing) { again = true; return; }
    syncing = true;
    FS.syncfs(false, (error) => {
      syncing = false;
      if (error) storageRefused();
      else if (again) { again = false; keepFiles(true); }
    });
  }
  function storageRefused() {
    storage = false;
    notice.textContent = 'This browser refused its storage: your options will not be kept.';
    notice.hidden = false;
  }

  // --- The screen. --------------------------------------------------------------------------
  const screen = canvas.getContext('2d', { alpha: false });
  let image = null;
  function fitCanvas() {
    const ratio = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(window.innerWidth * ratio));
    const height = Math.max(1, Math.round(window.innerHeight * ratio));
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    return [width, height, ratio];
  }
  function present(pointer, width, height, back) {
    if (!image || image.width !== width || image.height !== height) {
      image = screen.createImageData(width, height);
    }
    const from = HEAPU32.subarray(pointer >> 2, (pointer >> 2) + width * height);
    const to = new Uint32Array(image.data.buffer);
    for (let i = 0; i < from.length; i++) {  // 0xAARRGGBB words to the canvas's R, G, B, A
      const p = from[i];
      to[i] = 0xFF000000 | (p & 0xFF00) | ((p >>> 16) & 0xFF) | ((p & 0xFF) << 16);
    }
    screen.fillStyle = '#' + ((back >>> 0) & 0xFFFFFF).toString(16).padStart(6, '0');
    if (width < canvas.width) screen.fillRect(width, 0, canvas.width - width, canvas.height);
    if (height < canvas.height) screen.fillRect(0, height, width, canvas.height - height);
    screen.putImageData(image, 0, 0);
    stats.frames++;
    stats.lastFrame = performance.now();
    if (stats.lastInput > stats.inputFrame) stats.clickToFrame = stats.lastFrame - stats.lastInput;
    stats.inputFrame = stats.lastFrame;
    if (!stats.firstFrame) {
      stats.firstFrame = stats.lastFrame;
      title.hidden = true;
    }
  }

  // --- Text, measured and drawn by the canvas. ------------------------------------------------
  const lettering = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
  const ascents = new Map();
  function ascent(css) {
    if (!ascents.has(css)) {
      lettering.font = css;
      const m = lettering.measureText('Hg');
      const size = parseFloat(css.replace(/^bold /, ''));
      const up = m.fontBoundingBoxAscent || Math.ceil(size * 0.905);
      const down = m.fontBoundingBoxDescent || Math.ceil(size * 0.212);
      ascents.set(css, [Math.round(up), Math.round(up) + Math.round(down)]);
    }
    return ascents.get(css);
  }
  function textWidth(css, text) {
    lettering.font = css;
    return Math.ceil(lettering.measureText(text).width);
  }
  function textDraw(css, text, pointer, width, height, rgb) {
    lettering.canvas.width = width;
    lettering.canvas.height = height;
    lettering.font = css;
    lettering.fillStyle = '#000';
    lettering.textBaseline = 'alphabetic';
    lettering.fillText(text, 0, ascent(css)[0]);
    const alpha = lettering.getImageData(0, 0, width, height).data;
    const to = HEAPU32.subarray(pointer >> 2, (pointer >> 2) + width * height);
    for (let i = 0; i < to.length; i++) {
      const a = alpha[i * 4 + 3];
      to[i] = a ? ((a << 24) | rgb) >>> 0 : 0;
    }
  }

  // --- Sound: the recordings from the game's files, after the first tap or key. ----------------
  let audio = null;
  const decoded = new Map();
  function wakeAudio() {
    // Only within a tap or a key press may a page start its sound.
    if (navigator.userActivation && !navigator.userActivation.isActive) return;
    if (!audio && (window.AudioContext || window.webkitAudioContext)) {
      audio = new (window.AudioContext || window.webkitAudioContext)();
    }
    if (audio && audio.state === 'suspended') audio.resume().catch(() => {});
  }
  function playWave(path) {
    if (!audio || audio.state !== 'running') return;  // heard from the first tap on
    if (!decoded.has(path)) {
      let bytes;
      try { bytes = FS.readFile(path); } catch (e) { return; }
      decoded.set(path, audio.decodeAudioData(bytes.buffer.slice(bytes.byteOffset,
        bytes.byteOffset + bytes.byteLength)).catch(() => null));
    }
    decoded.get(path).then((buffer) => {
      if (!buffer) return;
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.start();
    });
  }
  // A language's recordings come from the site when it is first chosen (the service worker
  // keeps them after that); the game is told once they are all in.
  function fetchVoice(code, names) {
    const folder = '/app/Media/' + code;
    Promise.all(names.map((name) => fetch('Media/' + code + '/' + name)
      .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject(name)))
      .then((bytes) => [name, new Uint8Array(bytes)])))
      .then((files) => {
        try { FS.mkdir(folder); } catch (e) { /* there already */ }
        for (const [name, bytes] of files) FS.writeFile(folder + '/' + name, bytes);
        call('quorrel_voice_arrived', ['string'], [code]);
      })
      .catch((name) => console.warn('Quorrel: the ' + code + ' voice could not be fetched (' + name + ')'));
  }
  function beep() {
    if (!audio || audio.state !== 'running') return;
    const tone = audio.createOscillator();
    const level = audio.createGain();
    level.gain.value = 0.1;
    tone.frequency.value = 880;
    tone.connect(level).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.12);
  }

  // --- What the game asks of the page. --------------------------------------------------------
  let timer = 0;
  function wakeIn(ms) {
    clearTimeout(timer);
    timer = ms >= 0 ? setTimeout(() => call('quorrel_wake', [], []), ms) : 0;
  }
  // Help opens here alone: an in-page help panel replaces this one function.
  function download(path) {
    let bytes;
    try {
      bytes = FS.readFile(path);
      FS.unlink(path);  // the browser keeps it now
    } catch (e) { return; }
    const type = path.endsWith('.svg') ? 'image/svg+xml' : 'image/png';
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: type }));
    link.download = path.substring(path.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }
  function unload() {  // Quit: the title picture again; a tap starts a new game
    title.hidden = false;
    keepFiles(true);
    title.addEventListener('pointerdown', () => location.reload(), { once: true });
  }

  // --- Input: pointer (a tap is a click, a second tap close by a double click) and keys. --------
  let lastTap = { at: -1e9, x: 0, y: 0 };
  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    event.preventDefault();
    stats.lastInput = performance.now();
    canvas.focus();
    const box = canvas.getBoundingClientRect();
    const cssX = event.clientX - box.left, cssY = event.clientY - box.top;
    const double = event.timeStamp - lastTap.at < 500 &&
      Math.abs(cssX - lastTap.x) < 16 && Math.abs(cssY - lastTap.y) < 16;
    lastTap = double ? { at: -1e9, x: 0, y: 0 } : { at: event.timeStamp, x: cssX, y: cssY };
    const x = Math.floor(cssX * canvas.width / box.width);
    const y = Math.floor(cssY * canvas.height / box.height);
    call('quorrel_click', ['number', 'number', 'number'], [x, y, double ? 1 : 0]);
    wakeAudio();  // after the frame: starting the sound device takes tens of milliseconds
  });
  canvas.addEventListener('pointerup', wakeAudio);
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  const named = { Enter: 'Return', NumpadEnter: 'Keypad Enter', ArrowLeft: 'Left', ArrowRight: 'Right',
    ArrowUp: 'Up', ArrowDown: 'Down', Space: 'Space', Escape: 'Escape', Backspace: 'Backspace',
    Delete: 'Delete', Tab: 'Tab', Home: 'Home', End: 'End', Equal: '=', Minus: '-', Period: '.',
    Comma: ',', Slash: '/', NumpadAdd: 'Keypad +', NumpadSubtract: 'Keypad -',
    NumpadMultiply: 'Keypad *', NumpadDivide: 'Keypad /', NumpadDecimal: 'Keypad .' };
  function keyName(event) {
    if (named[event.code]) return named[event.code];
    let m = /^Key([A-Z])$/.exec(event.code);
    if (m) return /^[a-z]$/i.test(event.key) ? event.key.toUpperCase() : m[1];
    if ((m = /^Digit([0-9])$/.exec(event.code))) return m[1];
    if ((m = /^Numpad([0-9])$/.exec(event.code))) return 'Keypad ' + m[1];
    if (/^F([1-9]|1[0-2])$/.test(event.code)) return event.code;
    return '';
  }
  // With Ctrl (or Cmd) held, the game takes its own shortcuts (save, quit, the zoom) and leaves
  // the browser's to it; F5 and F12 stay the browser's too.
  const gameShortcuts = /^(KeyS|KeyQ|KeyF|Equal|Minus|Digit0|NumpadAdd|NumpadSubtract)$/;
  window.addEventListener('keydown', (event) => {
    setTimeout(wakeAudio);
    const name = keyName(event);
    const modifiers = (event.shiftKey ? 1 : 0) | (event.ctrlKey || event.metaKey ? 2 : 0) |
      (event.altKey ? 4 : 0);
    if (/^(F5|F12)$/.test(event.code) || ((modifiers & 2) && !gameShortcuts.test(event.code))) return;
    if (!name && [...event.key].length !== 1) return;
    event.preventDefault();
    if (name) call('quorrel_key', ['string', 'string', 'number', 'number'], [name, '', modifiers, event.repeat ? 1 : 0]);
    // The character the layout typed, as the desktop's text input gives it.
    if ([...event.key].length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
      call('quorrel_key', ['string', 'string', 'number', 'number'], ['', event.key, modifiers & 6, event.repeat ? 1 : 0]);
    }
  });

  function resized() {
    const [width, height, ratio] = fitCanvas();
    call('quorrel_resize', ['number', 'number', 'number'], [width, height, ratio]);
  }
  window.addEventListener('resize', resized);
  window.addEventListener('orientationchange', resized);
  document.addEventListener('visibilitychange', () => { if (document.hidden) keepFiles(true); });

  // --- Start: the stored files first, then the game. ------------------------------------------
  window.Module = {
    quorrelWeb: { present, playWave, beep, download, unload, wakeIn, fetchVoice,
      textHeight: (css) => ascent(css)[1], textWidth, textDraw },
    preRun: [() => {
      FS.mkdir('/data');
      FS.mkdir('/Downloads');
      try {
        FS.mount(IDBFS, {}, '/data');
      } catch (e) {
        storageRefused();
        return;
      }
      addRunDependency('storage');
      FS.syncfs(true, (error) => {
        if (error) storageRefused();
        removeRunDependency('storage');
      });
    }],
    onRuntimeInitialized: () => {
      game = true;
      kept = storage ? fileStamp('/data').join('/') : '';
      const [width, height, ratio] = fitCanvas();
      const seed = Number(new URLSearchParams(location.search).get('seed')) || 0;
      call('quorrel_start', ['number', 'number', 'number', 'number'], [width, height, ratio, seed]);
    },
    onAbort: () => say('Quorrel stopped because of an error in this browser: please reload the page.'),
    print: () => {},
    printErr: (text) => console.warn(text),
  };
  const script = document.createElement('script');
  script.src = 'quorrel.js';
  script.onerror = () => say('Quorrel could not be loaded: please check the connection and reload the page.');
  document.body.appendChild(script);
})();
