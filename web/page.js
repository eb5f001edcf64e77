// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's small rules that need no game: the saved game in the browser's
// storage, the timers, which picture scale to show, keys as the game sees them, and the
// page's own few words. Tested with Node's test runner.

const SAVED_GAME = "sumdart.lastgame";

// The one saved game, kept in `storage` (the browser's localStorage) in the
// desktop's file format. Storage that is missing, full, blocked or holds
// something else is no saved game; a failed write keeps the old one.
export function savedGameStore(storage) {
  return {
    save(text) {
      try {
        storage.setItem(SAVED_GAME, String(text));
        return storage.getItem(SAVED_GAME) === String(text);
      } catch (e) {
        return false;
      }
    },
    load() {
      try {
        const text = storage.getItem(SAVED_GAME);
        return typeof text === "string" ? text : null;
      } catch (e) {
        return null;
      }
    },
  };
}

// The game's timers on the browser's clock, by number: arming one that is
// waiting replaces its wait, as starting a running timer starts its
// countdown afresh; `due(id)` runs when its time has come.
export function pageTimers(due, clock = globalThis) {
  const waiting = new Map();
  const disarm = (id) => {
    clock.clearTimeout(waiting.get(id));
    waiting.delete(id);
  };
  const arm = (id, ms) => {
    disarm(id);
    waiting.set(id, clock.setTimeout(() => {
      waiting.delete(id);
      due(id);
    }, ms));
  };
  return { arm, disarm };
}

// The picture files are drawn at 1, 2 and 3 times their size: the smallest
// that is at least as fine as the screen shows them.
export function pictureFactor(devicePixelsPerPixel) {
  const f = Number(devicePixelsPerPixel);
  if (!Number.isFinite(f) || f <= 1) return 1;
  return f <= 2 ? 2 : 3;
}

// A key as the game takes it (src/state/form.h KeyPress): code 0 a letter or
// digit with its character, 1 Return, 2 Space, 3 Escape, 4 to 7 the arrows
// left, right, up and down; null for a key the game does not use.
export function keyCode(e) {
  if (e.ctrlKey || e.altKey || e.metaKey) return null;
  const named = { Enter: 1, " ": 2, Spacebar: 2, Escape: 3, Esc: 3, ArrowLeft: 4, ArrowRight: 5, ArrowUp: 6, ArrowDown: 7 };
  if (e.key in named) return { code: named[e.key], ch: 0 };
  if (typeof e.key === "string" && /^[A-Za-z0-9]$/.test(e.key)) return { code: 0, ch: e.key.charCodeAt(0) };
  return null;
}

// The page's own few words, in the languages of the site (English otherwise):
// a window's close button, and what a screen reader calls a window.
const WORDS = {
  close: { de: "Schließen", es: "Cerrar", fr: "Fermer", it: "Chiudi", nl: "Sluiten", pl: "Zamknij", pt_BR: "Fechar", en: "Close" },
  window: { de: "Fenster", es: "ventana", fr: "fenêtre", it: "finestra", nl: "venster", pl: "okno", pt_BR: "janela", en: "window" },
};
export function pageWord(word, language) {
  return WORDS[word][language] || WORDS[word].en;
}
