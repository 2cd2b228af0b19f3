// The page around the show: it gets the threads the show needs (through its
// service worker), sizes the canvas, keeps Stretch, reads the address, and
// puts up what the show draws.
"use strict";

(function () {
  const STRETCH_KEY = "quibac.stretch";
  // The one reload that puts a first visit under the service worker's
  // headers; a second would be a loop.
  const RELOAD_KEY = "quibac.isolating";
  // Resizes come in bursts (a window dragged, a phone turned): the show
  // starts again at the new size once they have stopped this long.
  const RESIZE_SETTLE_MS = 250;
  // In full screen the pointer and the bar go after this long at rest.
  const REST_MS = 2500;
  const MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December"];
  const CHRISTMAS = 25;
  const DECEMBER = 12;

  const root = document.documentElement;
  const canvas = document.getElementById("show");
  // Opaque, and drawn straight to the screen rather than through the
  // compositor's copy of the canvas on every change: the show only ever
  // changes a few rectangles a tick.
  const context = canvas.getContext("2d", { alpha: false, desynchronized: true });
  const stretchButton = document.getElementById("stretch");
  const fullScreenButton = document.getElementById("fullscreen");
  const notice = document.getElementById("notice");
  const notices = document.getElementById("notices");

  let link = 0;           // the show's side of the page, once it is running
  let image = null;       // the whole canvas's pixels, into which each changed area is copied
  let pinnedDate = null;  // {year, month, day} when the address pins it
  let stretch = false;
  let resizeTimer = 0;
  let restTimer = 0;
  let dayTimer = 0;

  function say(text) {
    const item = document.createElement("li");
    item.textContent = text;
    notices.appendChild(item);
    notice.hidden = false;
  }
  document.getElementById("dismiss").addEventListener("click", () => {
    notice.hidden = true;
    notices.textContent = "";
  });

  // ---- storage: the browser may refuse it, and the page goes on without

  function stored(key) {
    try {
      return window.localStorage.getItem(key);
    } catch (error) {
      return null;
    }
  }

  function store(key, value) {
    try {
      window.localStorage.setItem(key, value);
    } catch (error) {
      // A private window's storage: the setting lasts as long as the page.
    }
  }

  function flagged(key) {
    try {
      return window.sessionStorage.getItem(key) === "1";
    } catch (error) {
      return true;  // no memory of a reload: never risk a second
    }
  }

  function flag(key, on) {
    try {
      if (on) window.sessionStorage.setItem(key, "1");
      else window.sessionStorage.removeItem(key);
    } catch (error) {
      // as above
    }
  }

  // ---- the address: ?date=YYYY-MM-DD&seed=S&stretch=1

  const address = new URLSearchParams(window.location.search);
  const showArguments = [];
  for (const name of ["date", "seed"]) {
    if (address.has(name)) showArguments.push(name, address.get(name));
  }
  stretch = stored(STRETCH_KEY) === "1";
  if (address.has("stretch")) {
    const asked = address.get("stretch");
    if (asked === "1" || asked === "0") stretch = asked === "1";
    else say(`stretch '${asked.slice(0, 40)}' is not 0 or 1; ignored`);
  }

  // ---- the text alternative: the day and what is behind its door

  function dayText(date) {
    const doors = window.QUIBAC_DOORS || {};
    const named = `${date.day} ${MONTHS[date.month - 1]}`;
    if (date.month !== DECEMBER) return `${named}: the calendar's doors open from 1 December`;
    const door = doors[Math.min(date.day, CHRISTMAS)] || "";
    const left = CHRISTMAS - date.day;
    const count = left > 0 ? `${left} ${left === 1 ? "day" : "days"} to Christmas` : "Merry Christmas!";
    return `${named}: ${door}; ${count}`;
  }

  function today() {
    const now = new Date();
    return { year: now.getFullYear(), month: now.getMonth() + 1, day: now.getDate() };
  }

  function describe() {
    const text = dayText(pinnedDate || today());
    canvas.setAttribute("aria-label", text);
    canvas.textContent = text;
    // The local date moves on at midnight; a pinned one stays.
    clearTimeout(dayTimer);
    if (!pinnedDate) {
      const now = new Date();
      const midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate() + 1);
      dayTimer = setTimeout(describe, midnight - now + 1000);
    }
  }
  describe();

  // ---- the canvas: the window's device pixels, or the picture's own size
  // when it is shown centred in a larger window

  // The saver's canvas; a window at least this large shows it centred at
  // this size unless Stretch is on, with black around it.
  const PICTURE = { width: 800, height: 600 };

  let wanted = { width: 0, height: 0 };  // the window, in device pixels
  let asked = null;                      // the screen last asked of the show, and how it is placed
  let placed = null;                     // the one the canvas is placed for: the last drawn

  function measure(entry) {
    const box = entry && entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    if (box) return { width: box.inlineSize, height: box.blockSize };
    const ratio = window.devicePixelRatio || 1;
    return { width: Math.round(root.clientWidth * ratio), height: Math.round(root.clientHeight * ratio) };
  }

  // Centred, the show's screen is the picture alone: the margins are the
  // page's black, not pixels the show would draw, copy and send each frame.
  function screenFor(size) {
    if (!stretch && size.width >= PICTURE.width && size.height >= PICTURE.height)
      return { width: PICTURE.width, height: PICTURE.height, centred: true };
    return { width: size.width, height: size.height, centred: false };
  }

  // Where the canvas sits: filling the window, or at its own device pixels
  // in the middle (the saver's origin: half the margin, truncated), on whole
  // device pixels so that nothing is resampled.
  function place() {
    if (!placed || !placed.centred) {
      canvas.style.cssText = "";
      return;
    }
    const ratio = window.devicePixelRatio || 1;
    const left = Math.max(0, Math.floor((wanted.width - canvas.width) / 2));
    const top = Math.max(0, Math.floor((wanted.height - canvas.height) / 2));
    canvas.style.cssText = `left:${left / ratio}px;top:${top / ratio}px;` +
      `width:${canvas.width / ratio}px;height:${canvas.height / ratio}px`;
  }

  function askForScreen() {
    if (!link || wanted.width <= 0 || wanted.height <= 0) return;
    asked = screenFor(wanted);
    Module._quibac_page_screen(link, asked.width, asked.height, stretch ? 1 : 0);
  }

  function resized(size) {
    wanted = size;
    place();
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(askForScreen, RESIZE_SETTLE_MS);
  }

  if (window.ResizeObserver) {
    const observer = new ResizeObserver((entries) => resized(measure(entries[entries.length - 1])));
    try {
      observer.observe(root, { box: "device-pixel-content-box" });
    } catch (error) {
      observer.observe(root);
    }
  } else {
    window.addEventListener("resize", () => resized(measure(null)));
  }
  wanted = measure(null);

  // ---- controls

  function showStretch() {
    stretchButton.setAttribute("aria-pressed", stretch ? "true" : "false");
  }
  showStretch();
  stretchButton.addEventListener("click", () => {
    stretch = !stretch;
    store(STRETCH_KEY, stretch ? "1" : "0");
    showStretch();
    askForScreen();
  });

  const canFullScreen = Boolean(document.fullscreenEnabled && root.requestFullscreen);
  if (!canFullScreen) fullScreenButton.hidden = true;

  function toggleFullScreen() {
    if (!canFullScreen) return;
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else root.requestFullscreen().catch((error) => say(`Full screen was refused: ${error.message}`));
  }
  fullScreenButton.addEventListener("click", toggleFullScreen);

  document.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || event.repeat) return;
    if (event.target instanceof HTMLButtonElement && (event.key === " " || event.key === "Enter")) return;
    if (event.key === "f" || event.key === "F") {
      toggleFullScreen();
      event.preventDefault();
    } else if (event.key === "Escape" && document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    }
  });

  function rest() {
    root.classList.add("resting");
  }
  function stir() {
    root.classList.remove("resting");
    clearTimeout(restTimer);
    if (document.fullscreenElement) restTimer = setTimeout(rest, REST_MS);
  }
  document.addEventListener("pointermove", stir);
  document.addEventListener("pointerdown", stir);
  document.addEventListener("fullscreenchange", () => {
    fullScreenButton.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
    stir();
  });

  // ---- the show's frames: a notice in the show's memory, words of
  // serial, pixels' address, pixel count, areas' address, area fields,
  // width, height; the show leaves the frame alone until told it is drawn

  let frameNotice = 0;     // its first word, in words
  let showMemory = null;   // the show's memory as it is now

  function takeFrame() {
    try {
      const memory = showMemory();
      const words = new Uint32Array(memory);
      const [pixels, pixelCount, areas, areaFields, width, height] = words.subarray(frameNotice + 1, frameNotice + 7);
      page.draw(new Uint8Array(memory, pixels, pixelCount * 4), new Int32Array(memory, areas, areaFields), width,
        height);
    } finally {
      Module._quibac_page_frame_shown(link);
    }
  }

  // Between frames nothing runs: the browser wakes the page when the show
  // moves the serial on. The next wait is set up before the frame is drawn,
  // so that a drawing that fails does not end the watch.
  function watchFrames(seen) {
    const words = new Int32Array(showMemory());
    const serial = Atomics.load(words, frameNotice);
    const waiting = Atomics.waitAsync(words, frameNotice, serial);
    const next = () => watchFrames(serial);
    if (waiting.async) waiting.value.then(next);
    else Promise.resolve().then(next);
    if (serial !== seen) takeFrame();
  }

  // ---- what the show calls

  const page = {
    // noticeAddress: the show's notice of each frame (see takeFrame);
    // memory() its memory as it is now. Returns whether the page waits on the
    // notice itself; if not, the show calls frameReady for each frame.
    ready(showLink, noticeAddress, memory) {
      link = showLink;
      frameNotice = noticeAddress >> 2;
      showMemory = memory;
      askForScreen();
      if (typeof Atomics.waitAsync !== "function") return false;
      watchFrames(0);
      return true;
    },
    frameReady() {
      takeFrame();
    },
    problem(text) {
      say(`${text}; ignored`);
    },
    pinnedDate(year, month, day) {
      pinnedDate = { year, month, day };
      describe();
    },
    // areas: left, top, width, height of each area the show drew on its
    // screen of width x height; pixels: theirs, R, G, B, A bytes, each
    // area's rows packed, one area after the other.
    draw(pixels, areas, width, height) {
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      // Until the show's first frame at the new screen, the last stays as it was.
      if (asked !== placed && asked && width === asked.width && height === asked.height) {
        placed = asked;
        place();
      }
      // One image the canvas's size, made once per size: areas of every size
      // come several times a second, and a new image for each is garbage.
      if (!image || image.width !== width || image.height !== height) image = context.createImageData(width, height);
      let from = 0;
      for (let i = 0; i + 3 < areas.length; i += 4) {
        const left = areas[i], top = areas[i + 1], areaWidth = areas[i + 2], areaHeight = areas[i + 3];
        const rowBytes = areaWidth * 4;
        for (let row = 0; row < areaHeight; ++row, from += rowBytes) {
          image.data.set(pixels.subarray(from, from + rowBytes), ((top + row) * width + left) * 4);
        }
        context.putImageData(image, 0, 0, left, top, areaWidth, areaHeight);
      }
    },
    stopped(code) {
      say(`The show stopped (${code}); resize the window or press Stretch to start it again`);
    },
  };

  // ---- starting: threads need the page cross-origin isolated, which the
  // service worker's headers give it from the second load on

  function start() {
    window.Module = {
      arguments: showArguments,
      quibacPage: page,
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      onAbort: (what) => say(`The show stopped: ${what}`),
    };
    const script = document.createElement("script");
    script.src = "quibac.js";
    script.onerror = () => say("The show could not be loaded; check the connection and reload");
    document.body.appendChild(script);
  }

  function cannotStart(why) {
    say(`This browser cannot run the show here: ${why}`);
  }

  const serviceWorkers = "serviceWorker" in navigator;
  const registered = serviceWorkers ? navigator.serviceWorker.register("sw.js") : null;
  if (window.crossOriginIsolated) {
    flag(RELOAD_KEY, false);
    start();
  } else if (!registered) {
    cannotStart("it needs a service worker, which browsers give only to pages from https:// or localhost");
  } else {
    registered
      .then(() => navigator.serviceWorker.ready)
      .then(() => {
        if (flagged(RELOAD_KEY)) {
          flag(RELOAD_KEY, false);
          cannotStart("it did not let the page isolate itself from other sites (SharedArrayBuffer)");
          return;
        }
        flag(RELOAD_KEY, true);
        // Not reload(): after a reload that bypassed the service worker (a
        // hard reload), Chromium's reload() bypasses it again, or not at all.
        window.location.replace(window.location.href);
      })
      .catch((error) => cannotStart(`its service worker failed: ${error.message}`));
  }
})();
