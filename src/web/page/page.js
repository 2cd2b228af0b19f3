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

  const canvas = document.getElementById("show");
  const context = canvas.getContext("2d", { alpha: false });
  const stretchButton = document.getElementById("stretch");
  const fullScreenButton = document.getElementById("fullscreen");
  const notice = document.getElementById("notice");
  const notices = document.getElementById("notices");

  let link = 0;           // the show's side of the page, once it is running
  let image = null;       // the last area drawn, kept for the next of its size
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

  // ---- the canvas at the window's device pixels

  let wanted = { width: 0, height: 0 };

  function measure(entry) {
    const box = entry && entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
    if (box) return { width: box.inlineSize, height: box.blockSize };
    const ratio = window.devicePixelRatio || 1;
    return { width: Math.round(canvas.clientWidth * ratio), height: Math.round(canvas.clientHeight * ratio) };
  }

  function askForScreen() {
    if (link && wanted.width > 0 && wanted.height > 0)
      Module._quibac_page_screen(link, wanted.width, wanted.height, stretch ? 1 : 0);
  }

  function resized(size) {
    wanted = size;
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(askForScreen, RESIZE_SETTLE_MS);
  }

  if (window.ResizeObserver) {
    const observer = new ResizeObserver((entries) => resized(measure(entries[entries.length - 1])));
    try {
      observer.observe(canvas, { box: "device-pixel-content-box" });
    } catch (error) {
      observer.observe(canvas);
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

  const root = document.documentElement;
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

  // ---- what the show calls

  const page = {
    ready(showLink) {
      link = showLink;
      askForScreen();
    },
    problem(text) {
      say(`${text}; ignored`);
    },
    pinnedDate(year, month, day) {
      pinnedDate = { year, month, day };
      describe();
    },
    // pixels: the changed area of the show's screen, R, G, B, A bytes.
    draw(pixels, width, height, left, top, areaWidth, areaHeight) {
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      if (!image || image.width !== areaWidth || image.height !== areaHeight)
        image = context.createImageData(areaWidth, areaHeight);
      image.data.set(pixels);
      context.putImageData(image, left, top);
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
