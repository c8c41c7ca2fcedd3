// The page around Lumetrix's WebAssembly program: it draws the scene the program sends (its
// dialogs and message boxes, every control at its template's place), queues the person's keys,
// mouse buttons and the clock as events for the program's modal loop, and stands in for the
// system's file dialogs with uploads and downloads.
//
// Pixels are the program's own: one dialog unit is 1.5 pixels across and 1.625 down, the
// metrics of 8-point MS Sans Serif, for which the dialogs are laid out.
"use strict";

(function () {
    const kEvent = {
        key: 1, mouseDown: 2, mouseUp: 3, selectText: 4, paste: 5, pickItem: 6,
        systemCommand: 7, tick: 8, fileChosen: 9, fileCancelled: 10, report: 11,
        mnemonic: 12,
    };
    const kTimerPeriod = 250; // milliseconds, a tick of the program's timers
    const kCloseCommand = 0xF060; // SC_CLOSE
    const kShift = 1, kControl = 2;
    // Styles the drawing follows.
    const kStyle = {
        border: 0x00800000, editRight: 0x0002, editCenter: 0x0001, staticRight: 0x0002,
        staticCenter: 0x0001, sunken: 0x00001000, noPrefix: 0x00000080, sysMenu: 0x00080000,
    };
    const kMenuSeparator = 0x0800; // MF_SEPARATOR
    // The bytes 0x80 to 0x9F of Windows-1252 (undefined ones stand for themselves).
    const kWindows1252High = "\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160" +
        "\u2039\u0152\u008d\u017d\u008f\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc" +
        "\u2122\u0161\u203a\u0153\u009d\u017e\u0178";

    const params = new URLSearchParams(window.location.search);
    const testMode = params.has("test");

    // A character of Windows-1252 as its byte, 0 for one it cannot hold.
    function windows1252(character) {
        const code = character.codePointAt(0);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return code;
        const high = kWindows1252High.indexOf(character);
        return high < 0 ? 0 : 0x80 + high;
    }

    function fitsWindows1252(text) {
        return [...text].every((character) => windows1252(character) !== 0 || character === "\0")
            && !text.includes("\0");
    }

    // ---- Events for the program ----
    const queue = [];
    // How long each key took, from the browser's event to the scene drawn after it (ms).
    const keyTimes = [];
    let keyBegun = null;
    let waiting = null;   // resolves the program's wait for the next event
    let idleWaiters = [];
    const page = {
        reportsDialogs: testMode,
        reportLog: "",
        nextEvent() {
            if (queue.length > 0) return Promise.resolve(queue.shift());
            if (keyBegun !== null) {
                keyTimes.push(performance.now() - keyBegun);
                keyBegun = null;
            }
            return new Promise((resolve) => {
                waiting = resolve;
                const waiters = idleWaiters;
                idleWaiters = [];
                waiters.forEach((done) => done());
            });
        },
        showScene,
        showFileDialog,
        closeFileDialog,
        offerDownload,
        report(lines) { page.reportLog += lines; },
    };

    function post(event) {
        if (ended) return;
        if (waiting) {
            const resolve = waiting;
            waiting = null;
            resolve(event);
        } else {
            queue.push(event);
        }
    }

    // Resolves once the program has taken every queued event and waits for the next.
    function whenIdle() {
        if ((waiting && queue.length === 0) || ended) return Promise.resolve();
        return new Promise((resolve) => idleWaiters.push(resolve));
    }

    // ---- Drawing ----
    // The page keeps its elements: each window and control is drawn once and then only changed
    // where the program's scene changed, so that an element under the mouse or with the focus
    // stays the one the person works with, an open list keeps its scroll position, and a tick of
    // the clock that changes nothing touches nothing.
    const screen = document.getElementById("screen");
    let scene = { active: 0, windows: [] };
    let ended = false;
    const drawn = new Map(); // handle -> { node, shown: the control or window last drawn }
    let openList = null; // the combobox whose list is open
    let openMenu = null; // the dialog whose system menu is open
    const kComboHeight = 22; // the closed combobox; its template's height is the open list's

    function px(value) { return value + "px"; }

    // A control's text with its mnemonic: "&Ja" shows J underlined, "&&" one ampersand.
    function setMnemonicText(element, text, noPrefix) {
        if (noPrefix || !text.includes("&")) { element.textContent = text; return; }
        element.textContent = "";
        let plain = "";
        for (let i = 0; i < text.length; ++i) {
            if (text[i] === "&" && i + 1 < text.length) {
                ++i;
                if (text[i] !== "&") {
                    const underlined = document.createElement("u");
                    underlined.textContent = text[i];
                    element.append(plain, underlined);
                    plain = "";
                    continue;
                }
            }
            plain += text[i];
        }
        element.append(plain);
    }

    function element(tag, className, handle) {
        const node = document.createElement(tag);
        node.className = className;
        if (handle) node.dataset.handle = handle;
        return node;
    }

    // Whether `field` of a control differs from what was drawn last (always on the first draw).
    function changed(before, control, field) {
        return !before || JSON.stringify(before[field]) !== JSON.stringify(control[field]);
    }

    function placeControl(node, control, before) {
        if (changed(before, control, "pixels")) {
            const [x, y, width, height] = control.pixels;
            node.style.left = px(x);
            node.style.top = px(y);
            node.style.width = px(width);
            node.style.height = px(control.kind === "combobox" ? kComboHeight : height);
        }
        node.hidden = !control.visible;
        node.classList.toggle("disabled", !control.enabled);
        node.classList.toggle("focused", control.focused);
    }

    function systemIcon(id) {
        const icons = { 32513: "stop", 32514: "question", 32515: "warning", 32516: "information" };
        return icons[id];
    }

    function imageSource(id) {
        if (id === 128) return "icon.png";
        if (systemIcon(id)) return "system-" + systemIcon(id) + ".svg";
        return "pictures/" + id + ".png";
    }

    function alignment(style, right, centre) {
        const align = style & 3;
        return align === right ? "right" : align === centre ? "center" : "left";
    }

    // Each kind of control: `create` makes its element, `update` draws what changed since
    // `before` (null on the first draw).
    const kinds = {
        text: {
            create: (control) => element("div", "control text", control.handle),
            update(node, control, before) {
                if (changed(before, control, "text")) {
                    setMnemonicText(node, control.text, control.style & kStyle.noPrefix);
                }
                if (changed(before, control, "style")) {
                    node.classList.toggle("sunken", (control.style & kStyle.sunken) !== 0);
                    node.style.textAlign =
                        alignment(control.style, kStyle.staticRight, kStyle.staticCenter);
                }
            },
        },
        picture: {
            create: (control) => element("div", "control picture", control.handle),
            update(node, control, before) {
                if (!changed(before, control, "image")) return;
                node.textContent = "";
                if (!control.image) return;
                const image = document.createElement("img");
                image.src = imageSource(control.image);
                image.alt = "";
                image.draggable = false;
                node.append(image);
            },
        },
        group: {
            create(control) {
                const node = element("fieldset", "control group", control.handle);
                node.append(document.createElement("legend"));
                return node;
            },
            update(node, control, before) {
                if (changed(before, control, "text")) {
                    setMnemonicText(node.firstChild, control.text);
                }
            },
        },
        button: {
            create(control) {
                const node = element("button", "control button", control.handle);
                node.type = "button";
                node.tabIndex = -1;
                return node;
            },
            update(node, control, before) {
                if (changed(before, control, "text")) setMnemonicText(node, control.text);
                node.classList.toggle("default", control.defaultButton);
            },
        },
        checkbox: {
            create(control) {
                const node = element("div", "control checkbox", control.handle);
                node.append(element("span", "box"), element("span", "label"));
                return node;
            },
            update(node, control, before) {
                node.classList.toggle("checked", control.checked);
                if (changed(before, control, "text")) {
                    setMnemonicText(node.lastChild, control.text);
                }
            },
        },
        edit: {
            create(control) {
                const node = element("input", "control edit", control.handle);
                node.type = "text";
                node.spellcheck = false;
                node.autocomplete = "off";
                return node;
            },
            update(node, control, before) {
                if (node.value !== control.text) node.value = control.text;
                if (node.readOnly !== control.readOnly) node.readOnly = control.readOnly;
                if (changed(before, control, "style")) {
                    node.classList.toggle("bordered", (control.style & kStyle.border) !== 0);
                    node.style.textAlign =
                        alignment(control.style, kStyle.editRight, kStyle.editCenter);
                }
                if (changed(before, control, "brush") || changed(before, control, "background")) {
                    node.style.backgroundColor = control.brush || control.background || "";
                }
            },
        },
        combobox: {
            create(control) {
                const node = element("div", "control combobox", control.handle);
                node.append(element("div", "current"), element("div", "arrow"));
                return node;
            },
            update: updateComboBox,
        },
    };

    function updateComboBox(node, control, before) {
        node.dataset.items = control.items.length;
        const current = control.currentItem >= 0 ? control.items[control.currentItem] : "";
        if (node.firstChild.textContent !== current) node.firstChild.textContent = current;
        let list = node.querySelector(".list");
        if (openList !== control.handle) {
            if (list) list.remove();
            return;
        }
        const opening = !list;
        if (opening || changed(before, control, "items")) {
            if (!list) {
                list = element("div", "list");
                node.append(list);
            }
            list.textContent = "";
            control.items.forEach((item, index) => {
                const entry = element("div", "item");
                entry.textContent = item;
                entry.dataset.item = index;
                list.append(entry);
            });
        }
        list.style.maxHeight = px(control.pixels[3] - kComboHeight);
        [...list.children].forEach((entry, index) =>
            entry.classList.toggle("selected", index === control.currentItem));
        if (opening || changed(before, control, "currentItem")) {
            scrollIntoList(list, list.children[control.currentItem]);
        }
    }

    // As a list box does: the selected row scrolled into the visible part, the rest left alone.
    function scrollIntoList(list, entry) {
        if (!entry) return;
        if (entry.offsetTop < list.scrollTop) {
            list.scrollTop = entry.offsetTop;
        } else if (entry.offsetTop + entry.offsetHeight > list.scrollTop + list.clientHeight) {
            list.scrollTop = entry.offsetTop + entry.offsetHeight - list.clientHeight;
        }
    }

    function drawControl(control, parent, next) {
        let entry = drawn.get(control.handle);
        if (!entry) {
            entry = { node: kinds[control.kind].create(control), shown: null };
            entry.node.dataset.id = control.id;
            drawn.set(control.handle, entry);
        }
        const { node, shown } = entry;
        if (node.parentNode !== parent || node.previousSibling !== next) {
            parent.insertBefore(node, next ? next.nextSibling : parent.firstChild);
        }
        if (shown && shown.control === control &&
            !(control.kind === "combobox" && shown.open !== openList)) {
            return node;
        }
        const before = shown && shown.control;
        placeControl(node, control, before);
        kinds[control.kind].update(node, control, before);
        entry.shown = { control, open: openList };
        return node;
    }

    function drawSystemMenu(win) {
        const menu = element("div", "system-menu");
        for (const item of win.systemMenu) {
            const entry = element("div", item.flags & kMenuSeparator ? "separator" : "item");
            if (!(item.flags & kMenuSeparator)) {
                setMnemonicText(entry, item.text);
                entry.dataset.command = item.id;
            }
            menu.append(entry);
        }
        const close = element("div", "item");
        close.textContent = "Schlie\u00dfen";
        close.dataset.command = kCloseCommand;
        if (win.systemMenu.length > 0) menu.append(element("div", "separator"));
        menu.append(close);
        return menu;
    }

    // Every window the program opens is drawn from its template alike: the main dialog,
    // message boxes, the choice dialog and any dialog still to come.
    function createWindow(win) {
        const frame = element("dialog", "window", win.handle);
        frame.open = true;
        const caption = element("div", "caption");
        if (win.icon) {
            const icon = document.createElement("img");
            icon.src = imageSource(win.icon);
            icon.className = "caption-icon";
            icon.alt = "";
            icon.draggable = false;
            icon.dataset.menuOf = win.handle;
            caption.append(icon);
        }
        caption.append(element("span", "title"));
        if (win.style & kStyle.sysMenu) {
            const close = element("button", "close");
            close.type = "button";
            close.tabIndex = -1;
            close.title = "Schlie\u00dfen";
            close.dataset.closes = win.handle;
            caption.append(close);
        }
        frame.append(caption, element("div", "client"));
        return frame;
    }

    // While a modal window is up, the windows below it take no input, as Windows disables a
    // modal dialog's owner.
    function drawWindow(win) {
        let entry = drawn.get(win.handle);
        if (!entry) {
            entry = { node: createWindow(win), shown: null };
            drawn.set(win.handle, entry);
            screen.append(entry.node);
        }
        const frame = entry.node;
        const active = win.handle === scene.active;
        frame.classList.toggle("inactive", !active);
        if (frame.inert !== !active) frame.inert = !active;
        const title = frame.querySelector(".caption .title");
        if (title.textContent !== win.text) title.textContent = win.text;
        const client = frame.lastElementChild.matches(".client") ? frame.lastElementChild
            : frame.querySelector(".client");
        if (!entry.shown || changed(entry.shown, win, "pixels")) {
            client.style.width = px(win.pixels[2]);
            client.style.height = px(win.pixels[3]);
        }
        let previous = null;
        for (const control of win.controls) previous = drawControl(control, client, previous);
        const menu = frame.querySelector(".system-menu");
        if (openMenu === win.handle && !menu) frame.append(drawSystemMenu(win));
        if (openMenu !== win.handle && menu) menu.remove();
        entry.shown = win;
    }

    function removeGone(windows) {
        const present = new Set();
        for (const win of windows) {
            present.add(win.handle);
            for (const control of win.controls) present.add(control.handle);
        }
        for (const [handle, entry] of drawn) {
            if (present.has(handle)) continue;
            entry.node.remove();
            drawn.delete(handle);
        }
    }

    // A control the program sends as its handle alone is as it was drawn last.
    function withKeptControls(newScene) {
        for (const win of newScene.windows) {
            win.controls = win.controls.map((control) =>
                control.kind ? control : drawn.get(control.handle).shown.control);
        }
        return newScene;
    }

    function showScene(newScene) {
        scene = withKeptControls(newScene);
        removeGone(scene.windows);
        for (const win of scene.windows) drawWindow(win);
        placeWindows();
        ended = scene.windows.length === 0;
        document.body.classList.toggle("ended", ended);
        if (ended) {
            const waiters = idleWaiters;
            idleWaiters = [];
            waiters.forEach((done) => done());
        }
        focusModelControl();
    }

    // Redraws the scene after a change of the page's own (a list or menu opened or closed).
    function redraw() { showScene(scene); }

    // ---- The windows' places ----
    // The first window (the main dialog) stands in the middle of the browser's window (the
    // page's header and footer follow below), moved up and left as far as needed to stay
    // inside it; a window smaller than the dialog scrolls. The others keep their places relative to it,
    // as the program placed them, and are moved inside the visible part as Windows keeps a
    // message box on the screen.
    const kScreenMargin = 4;
    const kFrame = 3, kCaption = 18; // a window's frame on each side and its caption (lumetrix.css)

    // A window's outer size from its client area, without asking the browser for its layout.
    function outerSize(win) {
        return [win.pixels[2] + 2 * kFrame, win.pixels[3] + 2 * kFrame + kCaption];
    }

    function placeWindows() {
        if (scene.windows.length === 0) { screen.style.height = ""; return; }
        if (!viewport) viewport = [document.documentElement.clientWidth, window.innerHeight];
        const [visibleWidth, visibleHeight] = viewport;
        const [width, height] = outerSize(scene.windows[0]);
        const left = Math.max(kScreenMargin, Math.floor((visibleWidth - width) / 2));
        const mainTop = Math.max(kScreenMargin, Math.floor((visibleHeight - height) / 2));
        const screenWidth = Math.max(visibleWidth, width + 2 * kScreenMargin);
        const screenHeight = Math.max(visibleHeight, height + 2 * kScreenMargin);
        // Wider than the window only for a dialog that is; else the page needs no scroll bar.
        const minWidth = width + 2 * kScreenMargin > visibleWidth ? px(screenWidth) : "";
        if (screen.style.minWidth !== minWidth) screen.style.minWidth = minWidth;
        if (screen.style.height !== px(screenHeight)) screen.style.height = px(screenHeight);
        const [programLeft, programTop] = scene.windows[0].pixels;
        for (const win of scene.windows) {
            const node = drawn.get(win.handle).node;
            const [outerWidth, outerHeight] = outerSize(win);
            let x = left + win.pixels[0] - programLeft;
            let y = mainTop + win.pixels[1] - programTop;
            x = Math.max(kScreenMargin, Math.min(x, screenWidth - outerWidth - kScreenMargin));
            y = Math.max(kScreenMargin, Math.min(y, screenHeight - outerHeight - kScreenMargin));
            if (node.style.left !== px(x)) node.style.left = px(x);
            if (node.style.top !== px(y)) node.style.top = px(y);
        }
    }

    // The focused control of the scene gets the page's focus, and an edit shows its selection.
    function focusModelControl() {
        if (fileDialog.open) return;
        for (const win of scene.windows) {
            for (const control of win.controls) {
                if (!control.focused) continue;
                const entry = drawn.get(control.handle);
                if (!entry) return;
                const node = entry.node;
                if (document.activeElement !== node) node.focus({ preventScroll: true });
                if (control.kind === "edit") showSelection(node, control.selection);
                return;
            }
        }
        if (document.activeElement && document.activeElement !== document.body) {
            document.activeElement.blur();
        }
    }

    function showSelection(node, [start, end, caretAtStart]) {
        const direction = caretAtStart ? "backward" : "forward";
        if (node.selectionStart !== start || node.selectionEnd !== end ||
            (start !== end && node.selectionDirection !== direction)) {
            node.setSelectionRange(start, end, direction);
        }
    }

    // The browser window's size, read again only when it changes: asking for it after the
    // drawing would make the browser lay the page out at once, on every key.
    let viewport = null;
    window.addEventListener("resize", () => {
        viewport = null;
        placeWindows();
    });

    // ---- Keys ----
    const kVirtualKeys = {
        Backspace: 0x08, Tab: 0x09, Enter: 0x0D, Escape: 0x1B, " ": 0x20, PageUp: 0x21,
        PageDown: 0x22, End: 0x23, Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27,
        ArrowDown: 0x28, Delete: 0x2E,
    };

    function onKeyDown(event) {
        if (fileDialog.open || ended || event.metaKey) return;
        // AltGr (Ctrl+Alt on Windows) types a character such as "@", as it does on the desktop.
        const altGraph = event.getModifierState("AltGraph") || (event.altKey && event.ctrlKey);
        if (event.altKey && !altGraph) {
            pressMnemonic(event);
            return;
        }
        if (openList !== null && (event.key === "Escape" || event.key === "Enter")) {
            event.preventDefault();
            openList = null;
            redraw();
            return;
        }
        const control = event.ctrlKey && !altGraph;
        // The browser copies and pastes; the paste reaches the program as one event.
        if (control && (event.key === "c" || event.key === "v" || event.key === "C" ||
                        event.key === "V")) return;
        let virtualKey = kVirtualKeys[event.key];
        let character = 0;
        if (event.key === "Backspace") character = 0x08;
        else if (event.key.length === 1 || [...event.key].length === 1) {
            virtualKey = virtualKey || event.keyCode || 0;
            if (control && /^[a-zA-Z]$/.test(event.key)) {
                character = event.key.toUpperCase().charCodeAt(0) - 0x40; // Ctrl+A is 1
            } else if (!control) {
                character = windows1252(event.key);
            }
        }
        if (virtualKey === undefined) return; // function keys and the like stay the browser's
        event.preventDefault();
        keyBegun = event.timeStamp;
        post({
            kind: kEvent.key, code: virtualKey, detail: character,
            modifiers: (event.shiftKey ? kShift : 0) | (control ? kControl : 0),
        });
    }

    // Alt with a letter or digit: the dialog's control whose text has it underlined.
    function pressMnemonic(event) {
        const letter = /^Key([A-Z])$|^Digit([0-9])$/.exec(event.code || "");
        const character = letter ? letter[1] || letter[2]
            : event.key.length === 1 ? event.key.toUpperCase() : "";
        if (!character) return;
        event.preventDefault();
        post({ kind: kEvent.mnemonic, code: windows1252(character) });
    }

    function onPaste(event) {
        const target = event.target.closest && event.target.closest("[data-handle]");
        if (!target || fileDialog.open) return;
        event.preventDefault();
        post({
            kind: kEvent.paste, target: +target.dataset.handle,
            text: event.clipboardData.getData("text/plain"),
        });
    }

    // ---- The mouse ----
    let pressed = null;  // the control the left button went down on
    let dragging = null; // in an edit: { handle, anchor, caret } while the button is down

    function handleAt(node) {
        const target = node && node.closest ? node.closest("[data-handle]") : null;
        return target && !target.matches("dialog") ? +target.dataset.handle : 0;
    }

    function controlOf(handle) {
        for (const win of scene.windows) {
            const control = win.controls.find((c) => c.handle === handle);
            if (control) return control;
        }
        return null;
    }

    // The character before which the caret stands when an edit is clicked at `clientX`: the
    // edit measures its own text in the font it draws it with, and the caret goes to the
    // nearer side of the character under the pointer.
    const measure = document.createElement("canvas").getContext("2d");

    function characterAt(node, clientX) {
        const style = getComputedStyle(node);
        measure.font = `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        const text = node.value;
        const paddingLeft = parseFloat(style.paddingLeft);
        const inner = node.clientWidth - paddingLeft - parseFloat(style.paddingRight);
        const width = measure.measureText(text).width;
        let start = node.getBoundingClientRect().left + node.clientLeft + paddingLeft - node.scrollLeft;
        if (width < inner && style.textAlign === "right") start += inner - width;
        if (width < inner && style.textAlign === "center") start += (inner - width) / 2;
        const x = clientX - start;
        let before = 0;
        for (let i = 0; i < text.length; ++i) {
            const after = measure.measureText(text.slice(0, i + 1)).width;
            if (x < (before + after) / 2) return i;
            before = after;
        }
        return text.length;
    }

    // The word around a character, as an edit selects it on a double click: a run of
    // characters other than spaces (or of spaces, clicked on one).
    function wordAround(text, index) {
        const isSpace = (i) => /\s/.test(text[i]);
        const at = Math.min(index, Math.max(0, text.length - 1));
        const space = text.length > 0 && isSpace(at);
        let start = at, end = at;
        while (start > 0 && isSpace(start - 1) === space) --start;
        while (end < text.length && isSpace(end) === space) ++end;
        return [start, end];
    }

    function selectText(handle, anchor, caret) {
        post({ kind: kEvent.selectText, target: handle, code: anchor, detail: caret });
    }

    // A press in an edit: the caret to the character under the pointer, Shift extending the
    // selection from its anchor, a double click selecting the word; a drag follows.
    function pressEdit(event, handle, node) {
        const control = controlOf(handle);
        const index = characterAt(node, event.clientX);
        let anchor = index, caret = index;
        if (event.detail >= 2) {
            [anchor, caret] = wordAround(node.value, index);
        } else if (event.shiftKey && control && control.focused) {
            const [start, end, caretAtStart] = control.selection;
            anchor = caretAtStart ? end : start;
        }
        post({ kind: kEvent.mouseDown, target: handle });
        selectText(handle, anchor, caret);
        dragging = { handle, anchor, caret, node };
    }

    function onMouseMove(event) {
        if (!dragging || !(event.buttons & 1)) return;
        const caret = characterAt(dragging.node, event.clientX);
        if (caret === dragging.caret) return;
        dragging.caret = caret;
        selectText(dragging.handle, dragging.anchor, caret);
    }

    function onMouseDown(event) {
        if (event.button !== 0 || fileDialog.open || ended) return;
        const menuCommand = event.target.closest("[data-command]");
        if (menuCommand) {
            event.preventDefault();
            const dialog = openMenu;
            openMenu = null;
            redraw();
            post({ kind: kEvent.systemCommand, target: dialog, code: +menuCommand.dataset.command });
            return;
        }
        if (openMenu !== null) { openMenu = null; redraw(); }
        const menuIcon = event.target.closest("[data-menu-of]");
        if (menuIcon) {
            event.preventDefault();
            openMenu = +menuIcon.dataset.menuOf;
            redraw();
            return;
        }
        const closer = event.target.closest("[data-closes]");
        if (closer) {
            event.preventDefault();
            post({ kind: kEvent.systemCommand, target: +closer.dataset.closes, code: kCloseCommand });
            return;
        }
        const item = event.target.closest("[data-item]");
        if (item && openList !== null) {
            event.preventDefault();
            const combo = openList;
            openList = null;
            redraw();
            post({ kind: kEvent.pickItem, target: combo, code: +item.dataset.item });
            return;
        }
        // The list's scroll bar scrolls the list, as on Windows.
        if (event.target.closest(".list")) return;
        const handle = handleAt(event.target);
        const entry = drawn.get(handle);
        if (openList !== null) { openList = null; redraw(); }
        if (!event.target.closest(".window")) return; // the page's own buttons and text
        event.preventDefault();
        if (!handle || !entry) return;
        pressed = handle;
        if (entry.node.matches("input.edit")) {
            pressEdit(event, handle, entry.node);
            return;
        }
        if (entry.node.matches(".combobox")) { openList = handle; redraw(); }
        post({ kind: kEvent.mouseDown, target: handle });
    }

    function onMouseUp(event) {
        if (event.button !== 0 || pressed === null) return;
        const handle = pressed;
        pressed = null;
        dragging = null;
        post({ kind: kEvent.mouseUp, target: handle, detail: handleAt(event.target) === handle ? 1 : 0 });
    }

    // ---- Files ----
    const fileDialog = document.getElementById("file-dialog");
    const fileName = document.getElementById("file-name");
    const fileError = document.getElementById("file-error");
    const fileUpload = document.getElementById("file-upload");
    const fileList = document.getElementById("file-list");
    let fileRequest = null;

    let program = null; // the WebAssembly module, once it runs

    function files() { return program.lumetrixFiles; }

    function patterns(request) {
        // "Datendatei ( *.lumx )", "*.lumx", ...: the patterns of the first entry.
        const first = request.filter[1] || "*.*";
        return first.split(";").map((pattern) => new RegExp("^" + pattern.trim()
            .replace(/[.+^${}()|[\]\\]/g, "\\$&").replace(/\*/g, ".*").replace(/\?/g, ".") + "$", "i"));
    }

    // The program gives its default extension as a pattern ("*.lumx"); the name gets "lumx".
    function defaultExtension(request) {
        return request.defaultExtension.replace(/^\*?\./, "");
    }

    const kDateFormat = new Intl.DateTimeFormat("de-DE", {
        day: "2-digit", month: "2-digit", year: "numeric", hour: "2-digit", minute: "2-digit",
    });

    // A row of the list: a folder or a file with the time it was last written.
    function fileListRow(entry) {
        const row = element("button", entry.folder ? "entry folder" : "entry");
        row.type = "button";
        row.append(element("span", "name"), element("span", "date"));
        row.firstChild.textContent = entry.name;
        row.lastChild.textContent = entry.folder ? "Dateiordner" : kDateFormat.format(entry.modified);
        row.addEventListener("click", () => { fileName.value = entry.name; });
        row.addEventListener("dblclick", () => choose(entry.name));
        return row;
    }

    function showFileDialog(request) {
        fileRequest = request;
        document.getElementById("file-title").textContent =
            request.title || (request.save ? "Speichern unter" : "\u00d6ffnen");
        document.getElementById("file-ok").textContent = request.save ? "Speichern" : "\u00d6ffnen";
        document.getElementById("file-upload-row").hidden = request.save;
        document.getElementById("file-type").textContent = request.filter[0] || "";
        // The calculation's own name is proposed; a name with wildcards is a filter.
        const name = request.fileName.split(/[\\/]/).pop();
        fileName.value = /[*?]/.test(name) ? "" : name;
        fileError.textContent = "";
        fileList.textContent = "";
        const matching = patterns(request);
        for (const entry of files().entries()) {
            if (entry.folder || matching.some((pattern) => pattern.test(entry.name))) {
                fileList.append(fileListRow(entry));
            }
        }
        fileDialog.showModal();
        fileName.focus();
        fileName.select();
    }

    function closeFileDialog() {
        fileRequest = null;
        if (fileDialog.open) fileDialog.close();
        focusModelControl();
    }

    // A name as the system's file dialog takes it: the default extension added only to a
    // name that has none and is not that of a folder; a folder's name goes to the program as
    // typed, which refuses to write over a folder as on the desktop.
    function withExtension(name) {
        const extension = defaultExtension(fileRequest);
        if (!extension || /\.[^\\/.]*$/.test(name) || files().isFolder(name)) return name;
        return name + "." + extension;
    }

    function choose(name) {
        name = name.trim();
        if (name === "") { fileError.textContent = "Bitte einen Dateinamen angeben."; return; }
        if (!fitsWindows1252(name) || /[*?"<>|]/.test(name)) {
            fileError.textContent = "Dieser Name enth\u00e4lt Zeichen, die Lumetrix nicht " +
                "schreiben kann.";
            return;
        }
        post({ kind: kEvent.fileChosen, text: withExtension(name) });
    }

    async function upload() {
        const file = fileUpload.files[0];
        fileUpload.value = "";
        if (!file) return;
        if (!fitsWindows1252(file.name)) {
            fileError.textContent = "Der Name dieser Datei enth\u00e4lt Zeichen, die Lumetrix " +
                "nicht lesen kann.";
            return;
        }
        await files().store(file.name, new Uint8Array(await file.arrayBuffer()));
        showStoredFiles();
        post({ kind: kEvent.fileChosen, text: file.name });
    }

    let downloadsOffered = 0;

    function offerDownload(path, name) {
        ++downloadsOffered;
        const bytes = files().read(path);
        const link = document.createElement("a");
        link.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
        link.download = name;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        files().persist();
        showStoredFiles();
    }

    // ---- Lamp data kept in the browser ----
    // The uploads are the planner's own folder, Dokumente\Lumetrix as on Windows: "Datenbank"
    // lists its lamps beside those of the sample in the program's folder.
    function plannerPath(name) { return files().plannerFolder + "/" + name; }

    async function uploadDatabase(input) {
        const file = input.files[0];
        input.value = "";
        if (!file) return;
        await files().store(plannerPath("LightDatabase.csv"),
                            new Uint8Array(await file.arrayBuffer()));
        showStoredFiles();
    }

    async function uploadLampFolder(input) {
        const chosen = [...input.files];
        input.value = "";
        files().clearFolder(plannerPath("Leuchten"));
        for (const file of chosen) {
            // Only the files of the folder itself, as "Datenbank" reads it (files chosen one by
            // one come without their folder).
            const parts = file.webkitRelativePath.split("/");
            if (parts.length > 2 || !fitsWindows1252(file.name)) continue;
            await files().store(plannerPath("Leuchten/" + file.name),
                                new Uint8Array(await file.arrayBuffer()), true);
        }
        await files().persist();
        showStoredFiles();
    }

    // The status line: what the browser keeps, always as it is now.
    function showStoredFiles() {
        const planner = [];
        if (files().list(plannerPath("")).includes("LightDatabase.csv")) {
            planner.push("LightDatabase.csv");
        }
        const lamps = files().list(plannerPath("Leuchten")).length;
        if (lamps > 0) planner.push(lamps === 1 ? "1 Leuchtendatei" : lamps + " Leuchtendateien");
        const parts = [];
        if (planner.length > 0) {
            parts.push(planner.join(" und ") + " in Dokumente\\Lumetrix" +
                       (lamps > 0 ? " (Leuchten)" : ""));
        }
        const data = files().list().length;
        if (data > 0) {
            parts.push(data === 1 ? "1 Berechnung" : data + " Berechnungen");
        }
        document.getElementById("stored-files").textContent = parts.length > 0
            ? "Im Browser gespeichert: " + parts.join(", ") + "."
            : "Im Browser ist nichts gespeichert.";
    }

    async function forgetStoredFiles() {
        await files().clearAll();
        showStoredFiles();
    }

    // ---- Start ----
    async function start() {
        document.addEventListener("keydown", onKeyDown, true);
        document.addEventListener("paste", onPaste, true);
        document.addEventListener("mousedown", onMouseDown, true);
        document.addEventListener("mouseup", onMouseUp, true);
        document.addEventListener("mousemove", onMouseMove, true);
        document.addEventListener("contextmenu", (event) => event.preventDefault());
        document.getElementById("file-form").addEventListener("submit", (event) => {
            event.preventDefault();
            choose(fileName.value);
        });
        document.getElementById("file-cancel").addEventListener("click", () =>
            post({ kind: kEvent.fileCancelled }));
        fileDialog.addEventListener("cancel", (event) => {
            event.preventDefault();
            post({ kind: kEvent.fileCancelled });
        });
        fileUpload.addEventListener("change", upload);
        const database = document.getElementById("database-upload");
        database.addEventListener("change", () => uploadDatabase(database));
        const lamps = document.getElementById("lamps-upload");
        lamps.addEventListener("change", () => uploadLampFolder(lamps));
        document.getElementById("forget").addEventListener("click", forgetStoredFiles);
        document.getElementById("restart").addEventListener("click", () => location.reload());

        // The tests start without the sample, as lumetrix-cli runs, unless they ask for it.
        const sample = testMode && !params.has("sample") ? null
            : new Uint8Array(await (await fetch("LightDatabase.csv")).arrayBuffer());
        program = await createLumetrix({ lumetrixPage: page, sampleDatabase: sample });
        showStoredFiles();
        // The first tick at once: the picture and help text of the focused field are there
        // from the start, as on the desktop, where the first tick comes before one looks.
        if (!testMode) {
            post({ kind: kEvent.tick });
            setInterval(() => post({ kind: kEvent.tick }), kTimerPeriod);
        }
    }

    // What the browser tests use besides real input: the clock by hand, the program's reports.
    window.lumetrix = {
        whenIdle,
        tick() { post({ kind: kEvent.tick }); return whenIdle(); },
        report(request) { post({ kind: kEvent.report, text: request }); return whenIdle(); },
        reportLog() { return page.reportLog; },
        // A report taken out of the log, for a line that stands only once its command succeeds.
        async take(request) {
            const before = page.reportLog.length;
            await this.report(request);
            const taken = page.reportLog.slice(before);
            page.reportLog = page.reportLog.slice(0, before);
            return taken;
        },
        log(lines) { page.reportLog += lines; },
        ended() { return ended; },
        downloadsOffered() { return downloadsOffered; },
        keyTimes() { return keyTimes; },
        forgetStoredFiles,
        storedFiles() { return files().list(); },
        // A folder in the working folder, as the desktop's user may have made one.
        makeFolder(name) { return files().makeFolder(name); },
        // A file in the browser's storage as an earlier version of the page left it.
        storeFile(name, bytes) { return files().store(name, new Uint8Array(bytes)); },
        get ready() { return program !== null; },
    };

    start();
})();
