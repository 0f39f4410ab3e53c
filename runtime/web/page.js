// SPDX-License-Identifier: MIT
// The page's side of the browser's front end (runtime/web/page.h): the
// window and the dialogs as the page's own elements, the clock and the
// timer. Every text arrives as UTF-16 code units and is shown through
// textContent or an attribute, never as markup.
mergeInto(LibraryManager.library, {
  $zapgrid__deps: ['malloc', 'free'],
  $zapgrid__postset: 'zapgrid.windows = new Map(); zapgrid.dialogs = new Map();',
  $zapgrid: {
    // Made as the program starts: a library's objects are written out as
    // text, and a Map would come out empty.
    windows: null,
    dialogs: null,
    timer: 0,
    // When the pending timer is due, on the page's clock.
    due: 0,
    // When a dialog of the program's last closed, on the page's clock.
    closedAt: -Infinity,
    text: function(pointer, length) {
      const units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
      let text = '';
      // In slices: a long name would pass the arguments' limit.
      for (let at = 0; at < units.length; at += 8192)
        text += String.fromCharCode.apply(null, units.subarray(at, at + 8192));
      return text;
    },
    // Calls a C function with a text, copied into the program's memory.
    withText: function(text, call) {
      const pointer = _malloc(2 * text.length + 2);
      for (let i = 0; i < text.length; ++i)
        HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
      try {
        call(pointer, text.length);
      } finally {
        _free(pointer);
      }
    },
    element: function(tag, className, text) {
      const element = document.createElement(tag);
      if (className)
        element.className = className;
      if (text !== undefined)
        element.textContent = text;
      return element;
    },
    // A caption whose "&" marks its access key: the letter is underlined,
    // and the key is given back.
    accessKeyCaption: function(element, caption) {
      const at = caption.search(/&[^&]/);
      if (at < 0) {
        element.textContent = caption;
        return '';
      }
      element.append(caption.slice(0, at), zapgrid.element('u', '', caption[at + 1]),
                     caption.slice(at + 2));
      return caption[at + 1].toLowerCase();
    },
    // Twips to the window's pixels, 15 to 1, which the page's style makes
    // CSS pixels on a desktop and larger ones on a phone (--px).
    pixels: function(twips) {
      return 'calc(var(--px) * ' + twips / 15 + ')';
    },
    // Places and sizes an element. Set through the CSSOM, which the page's
    // Content Security Policy allows, as it allows no style attribute; an
    // adopted style sheet would do as well, but only from Safari 16.4 on.
    place: function(element, box) {
      for (const property in box)
        element.style.setProperty(property, zapgrid.pixels(box[property]));
    },
    stage: function() {
      return document.getElementById('stage');
    },
    // Tab goes round a window's buttons, as in the desktop's window: from
    // the last to the first, and back with Shift. (The browser's own keys,
    // F6 or Ctrl+L, still leave the page.)
    onTab: function(event) {
      const client = document.activeElement.parentElement;
      if (event.altKey || event.ctrlKey || event.metaKey || !client ||
          !client.classList.contains('client'))
        return;
      const buttons = client.querySelectorAll('.button:not([hidden])');
      const from = event.shiftKey ? buttons[0] : buttons[buttons.length - 1];
      if (document.activeElement === from) {
        event.preventDefault();
        (event.shiftKey ? buttons[buttons.length - 1] : buttons[0]).focus();
      }
    },
    // The letter of a key for the menu's access keys: the character it
    // types where that is a letter, so that a Dvorak or AZERTY player keeps
    // their letters; else the letter of its place on the keyboard, since a
    // Mac's Option turns R into "(R)", the registered sign, and E into a
    // dead key.
    menuLetter: function(event) {
      if (/^\p{L}$/u.test(event.key))
        return event.key.toLowerCase();
      const place = /^Key([A-Z])$/.exec(event.code);
      return place ? place[1].toLowerCase() : '';
    },
    // Alt (a Mac's Option), or Control and Option as Safari takes a page's
    // access keys, and a menu item's access key choose it, before the
    // browser's own use of the keys. AltGr, which Windows sends as Control
    // and Alt, types characters and chooses nothing.
    isMenuKey: function(event) {
      return event.altKey && !event.metaKey && !event.getModifierState('AltGraph') &&
             !document.querySelector('dialog[open]');
    },
    onKey: function(event) {
      if (event.key === 'Tab')
        zapgrid.onTab(event);
      if (!zapgrid.isMenuKey(event))
        return;
      const letter = zapgrid.menuLetter(event);
      // No destructuring: Emscripten 3.1.6's minifier garbles it.
      for (const id of zapgrid.windows.keys()) {
        const window = zapgrid.windows.get(id);
        const item = window.keys.indexOf(letter);
        if (!window.root.hidden && letter && item >= 0) {
          event.preventDefault();
          event.stopPropagation();
          _zapgrid_menu_chosen(id, item);
          return;
        }
      }
    },
    dialog: function(id, className, role, title) {
      const dialog = zapgrid.element('dialog', className);
      dialog.setAttribute('role', role);
      const heading = zapgrid.element('h2', 'title', title);
      heading.id = 'zapgrid-dialog-title-' + id;
      dialog.setAttribute('aria-labelledby', heading.id);
      const form = zapgrid.element('form');
      form.method = 'dialog';
      dialog.append(heading, form);
      zapgrid.dialogs.set(id, dialog);
      return dialog;
    },
    open: function(id, dialog, answer) {
      document.body.append(dialog);
      dialog.showModal();
      zapgrid.whenClosed(id, dialog, answer);
    },
    // Answers the program once the dialog has closed, unless the program
    // has let it go.
    whenClosed: function(id, dialog, answer) {
      zapgrid.dialogs.set(id, dialog);
      const closed = () => {
        if (!zapgrid.dialogs.has(id))
          return;
        zapgrid.dialogs.delete(id);
        zapgrid.closedAt = performance.now();
        // The answer first: the game's time runs from it.
        answer();
        dialog.remove();
      };
      if (dialog.open)
        dialog.addEventListener('close', closed);
      else // Not from inside the program's own call.
        setTimeout(closed);
    },
    stopTimer: function() {
      clearTimeout(zapgrid.timer);
      zapgrid.timer = 0;
      document.removeEventListener('visibilitychange', zapgrid.onShown);
    },
    fire: function() {
      zapgrid.stopTimer();
      _zapgrid_timer_due();
    },
    // A hidden tab's timers are held back, by a second or by minutes: one
    // whose time has passed meanwhile is due as soon as the tab is shown.
    onShown: function() {
      if (document.visibilityState === 'visible' && zapgrid.timer &&
          performance.now() >= zapgrid.due)
        zapgrid.fire();
    },
    // The name prompt that the page showed before the program arrived
    // (start.js), if it asks what the program asks; it is taken over once.
    earlyPrompt: function(question, title, value) {
      const dialog = document.getElementById('early-prompt');
      if (!dialog)
        return null;
      dialog.removeAttribute('id');
      if (dialog.querySelector('.title').textContent !== title ||
          dialog.querySelector('.question').textContent !== question ||
          dialog.querySelector('.field').defaultValue !== value) {
        dialog.remove();
        return null;
      }
      return dialog;
    },
  },

  zapgrid_window_open__deps: ['$zapgrid'],
  zapgrid_window_open: function(id, caption, length, width, height) {
    if (!zapgrid.windows.size)
      document.addEventListener('keydown', zapgrid.onKey, true);
    const root = zapgrid.element('section', 'window');
    root.hidden = true;
    const title = zapgrid.element('h2', 'title', zapgrid.text(caption, length));
    title.id = 'zapgrid-window-title-' + id;
    root.setAttribute('aria-labelledby', title.id);
    const menu = zapgrid.element('div', 'menu');
    menu.setAttribute('role', 'menubar');
    const client = zapgrid.element('div', 'client');
    zapgrid.place(client, {width, height});
    root.append(title, menu, client);
    zapgrid.stage().append(root);
    zapgrid.windows.set(id, {root, menu, client, controls: [], keys: []});
  },

  zapgrid_window_menu__deps: ['$zapgrid'],
  zapgrid_window_menu: function(id, item, caption, length) {
    const window = zapgrid.windows.get(id);
    const button = zapgrid.element('button', 'item');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.tabIndex = -1;
    window.keys[item] = zapgrid.accessKeyCaption(button, zapgrid.text(caption, length));
    if (window.keys[item])
      button.setAttribute('aria-keyshortcuts', 'Alt+' + window.keys[item].toUpperCase());
    button.addEventListener('click', () => _zapgrid_menu_chosen(id, item));
    window.menu.append(button);
  },

  zapgrid_window_control__deps: ['$zapgrid'],
  zapgrid_window_control: function(id, control, kind, caption, length, left, top, width, height,
                                    pointSize, bold, visible, centred, tabIndex) {
    const window = zapgrid.windows.get(id);
    const text = zapgrid.text(caption, length);
    let element;
    if (kind === 0) {
      element = zapgrid.element('button', 'button', text);
      element.type = 'button';
      element.addEventListener('click', () => _zapgrid_pressed(id, control));
      element.dataset.tabIndex = tabIndex;
    } else {
      element = zapgrid.element('div', 'label', text);
      if (kind === 2)
        element.setAttribute('role', 'status');
    }
    // A point is 20 twips.
    zapgrid.place(element, {left, top, width, height, 'font-size': pointSize * 20});
    element.classList.toggle('bold', !!bold);
    element.classList.toggle('centred', !!centred);
    element.hidden = !visible;
    window.controls[control] = element;
    window.client.append(element);
  },

  zapgrid_window_caption__deps: ['$zapgrid'],
  // A click sets every control the game knows of; the page is told of
  // those that change alone, so that it lays out and repaints no more.
  zapgrid_window_caption: function(id, control, text, length) {
    const element = zapgrid.windows.get(id).controls[control];
    const caption = zapgrid.text(text, length);
    if (element.textContent !== caption)
      element.textContent = caption;
  },

  zapgrid_window_visible__deps: ['$zapgrid'],
  zapgrid_window_visible: function(id, control, visible) {
    const element = zapgrid.windows.get(id).controls[control];
    if (element.hidden === !!visible)
      element.hidden = !visible;
  },

  zapgrid_window_describe__deps: ['$zapgrid'],
  zapgrid_window_describe: function(id, control, text, length) {
    const window = zapgrid.windows.get(id);
    const element = control < 0 ? window.root : window.controls[control];
    const description = zapgrid.text(text, length);
    if (element.getAttribute('aria-description') !== description)
      element.setAttribute('aria-description', description);
  },

  zapgrid_window_show__deps: ['$zapgrid'],
  zapgrid_window_show: function(id) {
    const window = zapgrid.windows.get(id);
    window.root.hidden = false;
    // The buttons in tab order; the first has the focus.
    const buttons = window.controls.filter((element) => element.localName === 'button');
    buttons.sort((a, b) => a.dataset.tabIndex - b.dataset.tabIndex);
    buttons.forEach((button) => window.client.append(button));
    // A screen reader (Orca) that finds the field it was reading gone takes
    // the next focus in silence, unless it has first heard the page take
    // the focus back from the closed dialog: a window shown as a dialog
    // closes takes the focus a moment later.
    const focus = () => buttons.length && !window.root.hidden && buttons[0].focus();
    const settled = zapgrid.closedAt + 250 - performance.now();
    if (settled > 0)
      setTimeout(focus, settled);
    else
      focus();
  },

  zapgrid_window_close__deps: ['$zapgrid'],
  zapgrid_window_close: function(id) {
    zapgrid.windows.get(id).root.remove();
    zapgrid.windows.delete(id);
    if (!zapgrid.windows.size)
      document.removeEventListener('keydown', zapgrid.onKey, true);
  },

  zapgrid_announce__deps: ['$zapgrid'],
  zapgrid_announce: function(news, length) {
    // A new element each time, so that the same news twice is told twice.
    const live = document.getElementById('news');
    live.replaceChildren(zapgrid.element('p', '', zapgrid.text(news, length)));
  },

  zapgrid_prompt__deps: ['$zapgrid'],
  zapgrid_prompt: function(id, questionText, questionLength, titleText, titleLength, valueText,
                           valueLength) {
    const question = zapgrid.text(questionText, questionLength);
    const title = zapgrid.text(titleText, titleLength);
    const value = zapgrid.text(valueText, valueLength);
    const early = zapgrid.earlyPrompt(question, title, value);
    const dialog = early || zapgrid.dialog(id, 'prompt', 'dialog', title);
    if (!early) {
      const label = zapgrid.element('label', 'question', question);
      const field = zapgrid.element('input', 'field');
      field.id = 'zapgrid-field-' + id;
      label.htmlFor = field.id;
      field.type = 'text';
      field.autocomplete = 'off';
      field.value = value;
      const ok = zapgrid.element('button', '', 'OK');
      ok.value = 'ok';
      const cancel = zapgrid.element('button', '', 'Cancel');
      cancel.value = 'cancel';
      const buttons = zapgrid.element('div', 'buttons');
      buttons.append(ok, cancel);
      dialog.lastChild.append(label, field, buttons);
    }
    const field = dialog.querySelector('.field');
    const answer = () => zapgrid.withText(dialog.returnValue === 'ok' ? field.value : '',
        (pointer, length) => _zapgrid_prompt_answered(id, pointer, length));
    if (early) {
      zapgrid.whenClosed(id, dialog, answer);
    } else {
      zapgrid.open(id, dialog, answer);
      field.select();
    }
  },

  zapgrid_message__deps: ['$zapgrid'],
  zapgrid_message: function(id, kind, text, textLength, title, titleLength) {
    const dialog = zapgrid.dialog(id, kind ? 'message error' : 'message', 'alertdialog',
                                  zapgrid.text(title, titleLength));
    const form = dialog.lastChild;
    const body = zapgrid.element('p', 'text', zapgrid.text(text, textLength));
    body.id = 'zapgrid-dialog-text-' + id;
    dialog.setAttribute('aria-describedby', body.id);
    const ok = zapgrid.element('button', '', 'OK');
    const buttons = zapgrid.element('div', 'buttons');
    buttons.append(ok);
    form.append(body, buttons);
    zapgrid.open(id, dialog, () => _zapgrid_message_answered(id));
    ok.focus();
  },

  zapgrid_dialog_close__deps: ['$zapgrid'],
  zapgrid_dialog_close: function(id) {
    const dialog = zapgrid.dialogs.get(id);
    zapgrid.dialogs.delete(id);
    if (dialog)
      dialog.remove();
  },

  zapgrid_now: function() {
    return performance.now();
  },

  zapgrid_set_timer__deps: ['$zapgrid'],
  zapgrid_set_timer: function(delay) {
    clearTimeout(zapgrid.timer);
    zapgrid.due = performance.now() + delay;
    zapgrid.timer = setTimeout(zapgrid.fire, delay);
    document.addEventListener('visibilitychange', zapgrid.onShown);
  },

  zapgrid_cancel_timer__deps: ['$zapgrid'],
  zapgrid_cancel_timer: function() {
    zapgrid.stopTimer();
  },

  // The program has gone, and its windows and dialogs with it.
  zapgrid_end__deps: ['$zapgrid'],
  zapgrid_end: function() {
    zapgrid.stopTimer();
    document.body.classList.add('ended');
    if (typeof Module['onExit'] === 'function')
      Module['onExit'](0);
  },
});
