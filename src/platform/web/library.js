// The page's side of the web backend (see WebPage.h): the canvas, input,
// Web Audio, localStorage, IndexedDB and fetch. Everything the program needs
// from the browser passes through here.
mergeInto(LibraryManager.library, {
  $BT: {
    canvas: null,
    context: null,
    image: null,
    forcedScale: 0,
    audio: null,
    audioEnd: 0,
    sources: [],
    persisting: false,
    persistAgain: false,
    fetches: {},

    // Puts text on the clipboard; the button that asked says so. A browser
    // takes it only from a page that has the focus and a player's gesture
    // not long before.
    copy: function(text, button) {
      if (!navigator.clipboard || !navigator.clipboard.writeText) return false;
      navigator.clipboard.writeText(text).then(function() {
        if (button && button.dataset.text === text) button.textContent = 'Copied';
        document.body.dataset.copied = text;
      }, function(error) {
        console.log('the clipboard refused the result: ' + error.message);
      });
      return true;
    },

    // A JS string as a C string on the heap; the callee frees it.
    cString: function(text) {
      var size = lengthBytesUTF8(text) + 1;
      var pointer = _malloc(size);
      stringToUTF8(text, pointer, size);
      return pointer;
    },

    // An element's size across or down with its margins (0 when not shown).
    outerSize: function(element, dimension) {
      var style = getComputedStyle(element);
      if (style.display === 'none') return 0;
      var box = element.getBoundingClientRect();
      return dimension === 'width'
        ? box.width + parseFloat(style.marginLeft) + parseFloat(style.marginRight)
        : box.height + parseFloat(style.marginTop) + parseFloat(style.marginBottom);
    },
    // The gap between the page's parts on a phone held sideways (the CSS's).
    rowGap: 12,

    // The largest whole-number scale in device pixels that fits the window,
    // so that every frame-buffer pixel is a square of whole device pixels.
    fit: function() {
      var canvas = BT.canvas;
      if (!canvas) return;
      var ratio = window.devicePixelRatio || 1;
      var scale = BT.forcedScale;
      if (!scale) {
        // The on-page keypad, when shown, keeps its room below the canvas
        // (beside it on a phone held sideways), and so do the play line
        // and the page's own keys; a notice keeps its line above it; the
        // key legend keeps its room beside it.
        var keypad = document.getElementById('keypad');
        var notice = document.getElementById('notice');
        var bar = document.getElementById('page-bar');
        var keypadBeside = getComputedStyle(document.body).flexDirection === 'row';
        var room = window.innerHeight - (notice ? notice.offsetHeight : 0);
        var legend = document.getElementById('legend');
        var beside = legend && legend.offsetWidth ? legend.offsetWidth + BT.legendGap : 0;
        [keypad, bar].forEach(function(element) {
          if (!element) return;
          if (keypadBeside) {
            beside += BT.outerSize(element, 'width') + BT.rowGap;
          } else {
            room -= BT.outerSize(element, 'height');
          }
        });
        var across = Math.floor((window.innerWidth - beside) * ratio / canvas.width);
        var down = Math.floor(room * ratio / canvas.height);
        scale = Math.max(1, Math.min(across, down));
      }
      canvas.style.width = (canvas.width * scale / ratio) + 'px';
      canvas.style.height = (canvas.height * scale / ratio) + 'px';
      canvas.dataset.scale = scale;
      // Centring may leave the canvas between two device pixels, which would
      // blur its crisp ones: move it onto the nearest. The move is part of
      // the layout (a relative position), not a transform: the browser
      // rounds a box's place before it applies a transform, so that a
      // transform of half a pixel would move the picture a whole one.
      canvas.style.left = canvas.style.top = '';
      var box = canvas.getBoundingClientRect();
      var dx = Math.round(box.left * ratio) / ratio - box.left;
      var dy = Math.round(box.top * ratio) / ratio - box.top;
      if (dx || dy) {
        canvas.style.left = dx + 'px';
        canvas.style.top = dy + 'px';
      }
    },

    // The frame-buffer pixel under a pointer event, kept inside the canvas.
    pixelAt: function(event) {
      var canvas = BT.canvas;
      var box = canvas.getBoundingClientRect();
      var x = Math.floor((event.clientX - box.left) * canvas.width / box.width);
      var y = Math.floor((event.clientY - box.top) * canvas.height / box.height);
      return [Math.min(Math.max(x, 0), canvas.width - 1), Math.min(Math.max(y, 0), canvas.height - 1)];
    },

    // Browsers start sound only from a key or a touch of the player's.
    unlockAudio: function() {
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      if (!BT.audio) {
        try {
          BT.audio = new Context();
        } catch (e) {
          return;
        }
      }
      if (BT.audio.state === 'suspended' && !BT.audioResting) BT.audio.resume();
      BT.restAudioSoon();
    },

    // A running audio context costs the browser CPU even in silence, so
    // it rests (suspended) a second after the last sound has played, and
    // wakes when the next is queued; while it wakes its clock counts as
    // running, standing still until it runs.
    audioResting: false,
    audioWaking: false,
    audioRest: 0,
    restAudioSoon: function() {
      clearTimeout(BT.audioRest);
      BT.audioRest = setTimeout(function() {
        var audio = BT.audio;
        if (!audio || BT.sources.length || audio.state !== 'running' || BT.audioWaking) return;
        BT.audioResting = true;
        audio.suspend();
      }, 1000);
    },
    audioRunning: function() {
      var audio = BT.audio;
      if (!audio) return false;
      if (BT.audioResting) {
        BT.audioResting = false;
        BT.audioWaking = true;
        audio.resume().then(function() { BT.audioWaking = false; },
                            function() { BT.audioWaking = false; });
      }
      return audio.state === 'running' || BT.audioWaking;
    },

    legendGap: 16,  // CSS pixels between the canvas and the legend

    // A line above the canvas, while the game goes on: a file of the
    // player's could not be kept. The latest replaces the one before.
    notice: function(text) {
      var notice = document.getElementById('notice');
      if (!notice) return;
      notice.textContent = text;
      notice.hidden = false;
      BT.fit();
    },

    registryKey: function(key, name) {
      return 'brambletop/' + UTF8ToString(key) + '/' + UTF8ToString(name);
    },
  },

  bt_canvas_open__deps: ['$BT'],
  bt_canvas_open: function(width, height, forcedScale) {
    var canvas = Module['canvas'] || document.getElementById('canvas');
    if (!canvas) return 0;
    canvas.width = width;
    canvas.height = height;
    var context = canvas.getContext('2d', {alpha: false});
    if (!context) return 0;
    BT.canvas = canvas;
    BT.context = context;
    BT.image = context.createImageData(width, height);
    BT.forcedScale = forcedScale;
    BT.fit();
    window.addEventListener('resize', BT.fit);
    return 1;
  },

  bt_canvas_show__deps: ['$BT'],
  bt_canvas_show: function(rgba) {
    var image = BT.image;
    if (!image) return;
    image.data.set(HEAPU8.subarray(rgba, rgba + image.data.length));
    BT.context.putImageData(image, 0, 0);
    if (!BT.shown) {
      BT.shown = true;
      if (Module['onFirstFrame']) Module['onFirstFrame']();
    }
  },

  bt_canvas_toggle_fullscreen__deps: ['$BT'],
  bt_canvas_toggle_fullscreen: function() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (BT.canvas && BT.canvas.requestFullscreen) {
      BT.canvas.requestFullscreen().catch(function() {});
    }
  },

  bt_canvas_close__deps: ['$BT'],
  bt_canvas_close: function() {
    window.removeEventListener('resize', BT.fit);
    BT.image = null;
  },

  bt_input_install__deps: ['$BT', 'malloc', 'free'],
  bt_input_install: function() {
    function key(down, event) {
      if (down) BT.unlockAudio();
      // '?' shows the key legend wherever the keyboard puts it, and a letter
      // is the one printed on its key (event.code names the key's place on a
      // US keyboard), so that a name types as the player sees it.
      var name = event.code || '';
      if (event.key === '?') {
        name = 'Slash';
      } else if (/^[a-zA-Z]$/.test(event.key || '')) {
        name = 'Key' + event.key.toUpperCase();
      }
      var code = BT.cString(name);
      var used = _bt_web_key(down ? 1 : 0, code, event.shiftKey ? 1 : 0, event.ctrlKey ? 1 : 0,
                             event.altKey ? 1 : 0);
      _free(code);
      if (used) event.preventDefault();
    }
    window.addEventListener('keydown', function(event) { key(true, event); });
    // The checkbox for the moves in the picture, as M switches them.
    var movesBox = document.getElementById('moves-shown');
    if (movesBox) {
      movesBox.addEventListener('change', function() {
        _bt_web_show_moves(movesBox.checked ? 1 : 0);
        BT.canvas.focus();
      });
    }
    window.addEventListener('keyup', function(event) { key(false, event); });
    // The Levels button: the level select from the main menu, never the
    // letter L (which a name being typed would take).
    var levelsButton = document.getElementById('level-select');
    if (levelsButton) {
      levelsButton.addEventListener('click', function() {
        BT.unlockAudio();
        _bt_web_level_select();
        BT.canvas.focus();
      });
    }

    // The result of a solved puzzle, which the program offers: the button
    // copies it from its own click, as the clipboard wants a gesture.
    var share = document.getElementById('share');
    if (share) {
      share.addEventListener('click', function() {
        BT.copy(share.dataset.text || '', share);
        BT.canvas.focus();
      });
    }

    // The on-page keypad: each button is the key its data-code names (with
    // Ctrl when data-ctrl is set), held while it is touched.
    document.querySelectorAll('#keypad button[data-code]').forEach(function(button) {
      var held = false;
      function press(down, event) {
        event.preventDefault();
        if (held === down) return;
        held = down;
        key(down, {code: button.dataset.code, ctrlKey: 'ctrl' in button.dataset,
                   preventDefault: function() {}});
      }
      button.addEventListener('pointerdown', function(event) {
        button.setPointerCapture(event.pointerId);
        press(true, event);
      });
      button.addEventListener('pointerup', function(event) { press(false, event); });
      button.addEventListener('pointercancel', function(event) { press(false, event); });
      button.addEventListener('contextmenu', function(event) { event.preventDefault(); });
    });

    // Mouse, touch and stylus alike: the primary pointer is the pen.
    var canvas = Module['canvas'] || document.getElementById('canvas');
    var held = false;
    function pen(kind, event) {
      if (!event.isPrimary || !BT.canvas) return;
      var at = BT.pixelAt(event);
      _bt_web_pen(kind, at[0], at[1]);
      event.preventDefault();
    }
    canvas.addEventListener('pointerdown', function(event) {
      if (event.button !== 0 && event.pointerType === 'mouse') return;
      BT.unlockAudio();
      held = true;
      canvas.setPointerCapture(event.pointerId);
      pen(0, event);
    });
    canvas.addEventListener('pointermove', function(event) {
      if (held) pen(1, event);
    });
    function release(event) {
      if (!held) return;
      held = false;
      pen(2, event);
    }
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    canvas.addEventListener('contextmenu', function(event) { event.preventDefault(); });

    document.addEventListener('visibilitychange', function() {
      _bt_web_visible(document.visibilityState === 'visible' ? 1 : 0);
    });
  },

  bt_audio_queue__deps: ['$BT'],
  bt_audio_queue: function(samples, length, samplesPerSecond) {
    var audio = BT.audio;
    if (length <= 0 || !BT.audioRunning()) return -1;
    clearTimeout(BT.audioRest);
    var buffer = audio.createBuffer(1, length, samplesPerSecond);
    var channel = buffer.getChannelData(0);
    var heard = false;
    for (var i = 0; i < length; ++i) {
      var sample = HEAPU8[samples + i];
      channel[i] = (sample - 128) / 128;
      heard = heard || sample !== 128;
    }
    var source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    var start = Math.max(audio.currentTime, BT.audioEnd);
    source.start(start);
    BT.audioEnd = start + length / samplesPerSecond;
    BT.sources.push(source);
    if (Module['onSoundQueued']) Module['onSoundQueued'](heard);
    source.onended = function() {
      var index = BT.sources.indexOf(source);
      if (index >= 0) BT.sources.splice(index, 1);
      if (!BT.sources.length) BT.restAudioSoon();
    };
    return BT.audioEnd * 1000;
  },

  bt_audio_now__deps: ['$BT'],
  bt_audio_now: function() {
    var audio = BT.audio;
    if (!audio || BT.audioResting) return -1;
    return audio.state === 'running' || BT.audioWaking ? audio.currentTime * 1000 : -1;
  },

  bt_audio_stop__deps: ['$BT'],
  bt_audio_stop: function() {
    BT.sources.forEach(function(source) {
      try {
        source.stop();
      } catch (e) {
      }
    });
    BT.sources = [];
    BT.audioEnd = 0;
    BT.restAudioSoon();
  },

  bt_registry_read__deps: ['$BT', 'malloc'],
  bt_registry_read: function(key, name) {
    try {
      var value = window.localStorage.getItem(BT.registryKey(key, name));
      return value === null ? 0 : BT.cString(value);
    } catch (e) {
      return 0;  // storage switched off by the player
    }
  },

  bt_registry_write__deps: ['$BT'],
  bt_registry_write: function(key, name, text) {
    try {
      window.localStorage.setItem(BT.registryKey(key, name), UTF8ToString(text));
      return 1;
    } catch (e) {
      return 0;
    }
  },

  bt_registry_remove__deps: ['$BT'],
  bt_registry_remove: function(key, name) {
    try {
      window.localStorage.removeItem(BT.registryKey(key, name));
      return 1;
    } catch (e) {
      return 0;
    }
  },

  bt_files_persist__deps: ['$BT', '$FS'],
  bt_files_persist: function() {
    if (BT.persisting) {
      BT.persistAgain = true;
      return;
    }
    BT.persisting = true;
    FS.syncfs(false, function(error) {
      if (error) {
        console.warn('brambletop: cannot keep the files in IndexedDB: ' + error);
        BT.notice('Brambletop cannot keep your settings, scores and saved game in this ' +
                  'browser (' + error + '): what changed will be lost when the page closes.');
      }
      BT.persisting = false;
      if (BT.persistAgain) {
        BT.persistAgain = false;
        _bt_files_persist();
      } else if (Module['onFilesKept']) {
        Module['onFilesKept']();
      }
    });
  },

  bt_fetch_start__deps: ['$BT', 'malloc', 'free'],
  bt_fetch_start: function(id, method, url, body, maxBody, timeoutMs) {
    // One deadline for the whole exchange: the abort also ends a body that
    // is still arriving.
    var controller = new AbortController();
    var timer = setTimeout(function() { controller.abort(); }, timeoutMs);
    BT.fetches[id] = {controller: controller, timer: timer};
    function done(status, bytes) {
      if (!BT.fetches[id]) return;  // cancelled
      clearTimeout(timer);
      delete BT.fetches[id];
      var length = bytes ? Math.min(bytes.length, maxBody) : 0;
      var pointer = length ? _malloc(length) : 0;
      if (length) HEAPU8.set(bytes.subarray(0, length), pointer);
      _bt_web_fetch_done(id, status, pointer, length);
      if (pointer) _free(pointer);
      if (Module['onExchanged']) Module['onExchanged'](status);
    }
    // The body up to maxBody bytes; the rest is not read.
    function readBody(response) {
      if (!response.body || !response.body.getReader) {
        return response.arrayBuffer().then(function(buffer) { return new Uint8Array(buffer); });
      }
      var reader = response.body.getReader();
      var kept = new Uint8Array(maxBody);
      var length = 0;
      function next() {
        return reader.read().then(function(part) {
          if (part.done) return kept.subarray(0, length);
          var take = Math.min(part.value.length, maxBody - length);
          kept.set(part.value.subarray(0, take), length);
          length += take;
          if (length < maxBody) return next();
          reader.cancel().catch(function() {});
          return kept;
        });
      }
      return next();
    }
    // A GET carries no body: fetch refuses one.
    var options = {method: UTF8ToString(method), cache: 'no-store', signal: controller.signal};
    if (options.method !== 'GET') options.body = UTF8ToString(body);
    fetch(UTF8ToString(url), options)
        .then(function(response) {
          return readBody(response).then(function(bytes) { done(response.status, bytes); });
        })
        .catch(function() { done(0, null); });
  },

  bt_fetch_cancel__deps: ['$BT'],
  bt_fetch_cancel: function(id) {
    var running = BT.fetches[id];
    if (!running) return;
    delete BT.fetches[id];
    clearTimeout(running.timer);
    running.controller.abort();
  },

  bt_page_query__deps: ['$BT', 'malloc'],
  bt_page_query: function() {
    return BT.cString(window.location.search.replace(/^\?/, ''));
  },

  bt_page_host__deps: ['$BT', 'malloc'],
  bt_page_host: function() {
    return BT.cString(window.location.hostname.replace(/^\[|\]$/g, ''));
  },

  bt_page_port: function() {
    var port = parseInt(window.location.port, 10);
    if (port > 0) return port;
    return window.location.protocol === 'https:' ? 443 : 80;
  },

  bt_page_moves_choice: function(shown) {
    var box = document.getElementById('moves-shown');
    if (box) box.checked = !!shown;
  },

  bt_page_share: function(text) {
    var share = document.getElementById('share');
    if (!share) return;
    share.dataset.text = UTF8ToString(text);
    share.textContent = 'Copy the result';
    share.title = share.dataset.text;
    share.hidden = !share.dataset.text;
  },

  bt_page_copy__deps: ['$BT'],
  bt_page_copy: function(text) {
    var share = document.getElementById('share');
    return BT.copy(UTF8ToString(text), share) ? 1 : 0;
  },

  bt_page_play_line: function(text) {
    var line = UTF8ToString(text);
    var shown = document.getElementById('play-line');
    if (shown) shown.textContent = line;
    document.title = line;
  },

  // 0: a step every animation frame; 1: a 16 ms timer while the canvas is
  // unchanged; 2: asleep until a key, a tap or the page's visibility wakes it.
  bt_page_paced: function(pace) {
    if (Module['onPaced']) Module['onPaced'](['frames', 'timer', 'still'][pace]);
  },

  bt_page_show_notice__deps: ['$BT'],
  bt_page_show_notice: function(text) {
    BT.notice(UTF8ToString(text));
  },

  bt_page_show_text__deps: ['$BT'],
  bt_page_show_text: function(text) {
    var message = document.getElementById('message');
    if (message) {
      message.textContent = UTF8ToString(text);
      message.hidden = false;
    }
    if (BT.canvas) BT.canvas.hidden = true;
    var keypad = document.getElementById('keypad');
    if (keypad) keypad.hidden = true;
    var legend = document.getElementById('legend');
    if (legend) legend.hidden = true;
    if (Module['onEnded']) Module['onEnded'](UTF8ToString(text));
  },

  bt_page_legend__deps: ['$BT'],
  bt_page_legend: function(text) {
    var rows = document.getElementById('legend-rows');
    if (!rows) return;
    rows.replaceChildren();
    UTF8ToString(text).split('\n').forEach(function(line) {
      var cells = line.split('\t');
      if (cells.length !== 2) return;
      var row = document.createElement('tr');
      var keys = document.createElement('th');
      keys.textContent = cells[0];
      var what = document.createElement('td');
      what.textContent = cells[1];
      row.append(keys, what);
      rows.append(row);
    });
    // A legend of another height moves the canvas, which may leave it
    // between two device pixels: put it back on whole ones.
    BT.fit();
  },
});
