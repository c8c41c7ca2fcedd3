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
    let waiting = null;   // resolves the program's wait for the next event
    let idleWaiters = [];
    const page = {
        reportsDialogs: testMode,
        reportLog: "",
        nextEvent() {
            if (queue.length > 0) return Promise.resolve(queue.shift());
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
    const screen = document.getElementById("screen");
    let scene = { active: 0, windows: [] };
    let ended = false;
    const drawn = new Map(); // handle -> element
    const shownSelections = new Map(); // edit handle -> the selection last drawn
    let openList = null; // the combobox whose list is open

    function px(value) { return value + "px"; }

    // A control's text with its mnemonic: "&Ja" shows J underlined, "&&" one ampersand.
    function setMnemonicText(element, text, noPrefix) {
        element.textContent = "";
        if (noPrefix) { element.textContent = text; return; }
        for (let i = 0; i < text.length; ++i) {
            if (text[i] === "&" && i + 1 < text.length) {
                ++i;
                if (text[i] !== "&") {
                    const underlined = document.createElement("u");
                    underlined.textContent = text[i];
                    element.append(underlined);
                    continue;
                }
            }
            element.append(text[i]);
        }
    }

    function element(tag, className, handle) {
        const node = document.createElement(tag);
        node.className = className;
        if (handle) node.dataset.handle = handle;
        return node;
    }

    function placeControl(node, control) {
        const [x, y, width, height] = control.pixels;
        node.style.left = px(x);
        node.style.top = px(y);
        node.style.width = px(width);
        node.style.height = px(height);
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

    function drawText(control) {
        const node = element("div", "control text", control.handle);
        setMnemonicText(node, control.text, control.style & kStyle.noPrefix);
        node.classList.toggle("sunken", (control.style & kStyle.sunken) !== 0);
        const align = control.style & 3;
        node.style.textAlign = align === kStyle.staticRight ? "right"
            : align === kStyle.staticCenter ? "center" : "left";
        return node;
    }

    function drawPicture(control) {
        const node = element("div", "control picture", control.handle);
        if (control.image) {
            const image = document.createElement("img");
            image.src = imageSource(control.image);
            image.alt = "";
            image.draggable = false;
            node.append(image);
        }
        return node;
    }

    function drawGroup(control) {
        const node = element("fieldset", "control group", control.handle);
        const legend = document.createElement("legend");
        setMnemonicText(legend, control.text);
        node.append(legend);
        return node;
    }

    function drawButton(control) {
        const node = element("button", "control button", control.handle);
        node.type = "button";
        node.tabIndex = -1;
        setMnemonicText(node, control.text);
        node.classList.toggle("default", control.defaultButton);
        return node;
    }

    function drawCheckBox(control) {
        const node = element("label", "control checkbox", control.handle);
        const box = document.createElement("input");
        box.type = "checkbox";
        box.tabIndex = -1;
        box.checked = control.checked;
        const text = document.createElement("span");
        setMnemonicText(text, control.text);
        node.append(box, text);
        return node;
    }

    function colour(control) {
        return control.brush || control.background || "";
    }

    function drawEdit(control) {
        const node = element("input", "control edit", control.handle);
        node.type = "text";
        node.spellcheck = false;
        node.autocomplete = "off";
        node.value = control.text;
        node.readOnly = control.readOnly;
        node.classList.toggle("bordered", (control.style & kStyle.border) !== 0);
        const align = control.style & 3;
        node.style.textAlign = align === kStyle.editRight ? "right"
            : align === kStyle.editCenter ? "center" : "left";
        node.style.backgroundColor = colour(control);
        return node;
    }

    function drawComboBox(control) {
        const node = element("div", "control combobox", control.handle);
        node.dataset.items = control.items.length;
        const current = element("div", "current");
        current.textContent = control.currentItem >= 0 ? control.items[control.currentItem] : "";
        const arrow = element("div", "arrow");
        node.append(current, arrow);
        node.style.height = px(22);
        if (openList === control.handle) {
            const list = element("div", "list");
            control.items.forEach((item, index) => {
                const entry = element("div", "item");
                entry.textContent = item;
                entry.dataset.item = index;
                entry.classList.toggle("selected", index === control.currentItem);
                list.append(entry);
            });
            list.style.maxHeight = px(control.pixels[3] - 22);
            node.append(list);
        }
        return node;
    }

    const drawers = {
        text: drawText, picture: drawPicture, group: drawGroup, button: drawButton,
        checkbox: drawCheckBox, edit: drawEdit, combobox: drawComboBox,
    };

    function drawControl(control) {
        const node = drawers[control.kind](control);
        node.dataset.id = control.id;
        placeControl(node, control);
        if (control.kind === "combobox") node.style.height = px(22);
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

    function drawWindow(win) {
        // Every window the program opens is drawn from its template alike: the main dialog,
        // message boxes, the choice dialog and any dialog still to come. While a modal one is
        // up, the windows below it take no input, as Windows disables a modal dialog's owner.
        const frame = element("dialog", "window", win.handle);
        frame.open = true;
        frame.classList.toggle("inactive", win.handle !== scene.active);
        frame.inert = win.handle !== scene.active;
        const [x, y, width, height] = win.pixels;
        frame.style.left = px(x);
        frame.style.top = px(y);
        const caption = element("div", "caption");
        if (win.icon) {
            const icon = document.createElement("img");
            icon.src = imageSource(win.icon);
            icon.className = "caption-icon";
            icon.alt = "";
            icon.dataset.menuOf = win.handle;
            caption.append(icon);
        }
        const title = element("span", "title");
        title.textContent = win.text;
        caption.append(title);
        if (win.style & kStyle.sysMenu) {
            const close = element("button", "close");
            close.type = "button";
            close.tabIndex = -1;
            close.title = "Schlie\u00dfen";
            close.dataset.closes = win.handle;
            caption.append(close);
        }
        const client = element("div", "client");
        client.style.width = px(width);
        client.style.height = px(height);
        for (const control of win.controls) client.append(drawControl(control));
        frame.append(caption, client);
        if (openMenu === win.handle) frame.append(drawSystemMenu(win));
        return frame;
    }

    let openMenu = null; // the dialog whose system menu is open

    function showScene(newScene) {
        scene = newScene;
        const focusedEdit = document.activeElement;
        screen.textContent = "";
        drawn.clear();
        for (const win of scene.windows) {
            const frame = drawWindow(win);
            screen.append(frame);
            drawn.set(win.handle, frame);
            frame.querySelectorAll("[data-handle]").forEach((n) => drawn.set(+n.dataset.handle, n));
        }
        ended = scene.windows.length === 0;
        document.body.classList.toggle("ended", ended);
        if (ended) {
            const waiters = idleWaiters;
            idleWaiters = [];
            waiters.forEach((done) => done());
        }
        focusModelControl(focusedEdit);
    }

    // The focused control of the scene gets the page's focus, and an edit shows its selection.
    function focusModelControl() {
        for (const win of scene.windows) {
            for (const control of win.controls) {
                if (!control.focused) continue;
                const node = drawn.get(control.handle);
                if (!node) return;
                if (!fileDialog.open) node.focus({ preventScroll: true });
                if (control.kind === "edit") {
                    const [start, end, caretAtStart] = control.selection;
                    node.setSelectionRange(start, end, caretAtStart ? "backward" : "forward");
                    shownSelections.set(control.handle, control.selection.join());
                }
                return;
            }
        }
        if (!fileDialog.open && document.activeElement) document.activeElement.blur();
    }

    // ---- Keys ----
    const kVirtualKeys = {
        Backspace: 0x08, Tab: 0x09, Enter: 0x0D, Escape: 0x1B, " ": 0x20, PageUp: 0x21,
        PageDown: 0x22, End: 0x23, Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27,
        ArrowDown: 0x28, Delete: 0x2E,
    };

    function onKeyDown(event) {
        if (fileDialog.open || ended || event.altKey || event.metaKey) return;
        if (openList !== null && (event.key === "Escape" || event.key === "Enter")) {
            event.preventDefault();
            openList = null;
            showScene(scene);
            return;
        }
        const control = event.ctrlKey;
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
        post({
            kind: kEvent.key, code: virtualKey, detail: character,
            modifiers: (event.shiftKey ? kShift : 0) | (control ? kControl : 0),
        });
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
    let pressed = null; // the control the left button went down on

    function handleAt(node) {
        const target = node && node.closest ? node.closest("[data-handle]") : null;
        return target && !target.matches("dialog") ? +target.dataset.handle : 0;
    }

    function onMouseDown(event) {
        if (event.button !== 0 || fileDialog.open || ended) return;
        const menuCommand = event.target.closest("[data-command]");
        if (menuCommand) {
            event.preventDefault();
            const dialog = openMenu;
            openMenu = null;
            post({ kind: kEvent.systemCommand, target: dialog, code: +menuCommand.dataset.command });
            return;
        }
        if (openMenu !== null) { openMenu = null; showScene(scene); }
        const menuIcon = event.target.closest("[data-menu-of]");
        if (menuIcon) {
            event.preventDefault();
            openMenu = +menuIcon.dataset.menuOf;
            showScene(scene);
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
            post({ kind: kEvent.pickItem, target: combo, code: +item.dataset.item });
            return;
        }
        const handle = handleAt(event.target);
        const node = drawn.get(handle);
        // An edit places the caret itself; the program hears where when the button comes up.
        if (!node || !node.matches("input.edit")) event.preventDefault();
        if (openList !== null) { openList = null; showScene(scene); }
        if (!handle) return;
        if (node && node.matches(".combobox")) openList = handle;
        pressed = handle;
        post({ kind: kEvent.mouseDown, target: handle });
    }

    function onMouseUp(event) {
        if (event.button !== 0 || pressed === null) return;
        const handle = pressed;
        pressed = null;
        post({ kind: kEvent.mouseUp, target: handle, detail: handleAt(event.target) === handle ? 1 : 0 });
        const node = drawn.get(handle);
        if (node && node.matches("input.edit")) {
            const backward = node.selectionDirection === "backward";
            post({
                kind: kEvent.selectText, target: handle,
                code: backward ? node.selectionEnd : node.selectionStart,
                detail: backward ? node.selectionStart : node.selectionEnd,
            });
        }
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
        // "Lumetrix-Dateien (*.lumx)", "*.lumx", ...: the patterns of the first entry.
        const first = request.filter[1] || "*.*";
        return first.split(";").map((pattern) => new RegExp("^" + pattern.trim()
            .replace(/[.+^${}()|[\]\\]/g, "\\$&").replace(/\*/g, ".*").replace(/\?/g, ".") + "$", "i"));
    }

    function showFileDialog(request) {
        fileRequest = request;
        document.getElementById("file-title").textContent =
            request.title || (request.save ? "Speichern unter" : "\u00d6ffnen");
        document.getElementById("file-ok").textContent = request.save ? "Speichern" : "\u00d6ffnen";
        document.getElementById("file-upload-row").hidden = request.save;
        // A name with wildcards ("*.lumx") is a filter, as the system's dialog takes it.
        const name = request.fileName.split(/[\\/]/).pop();
        fileName.value = /[*?]/.test(name) ? "" : name;
        fileError.textContent = "";
        fileList.textContent = "";
        const matching = patterns(request);
        for (const entry of files().list()) {
            if (!matching.some((pattern) => pattern.test(entry))) continue;
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = entry;
            button.addEventListener("click", () => { fileName.value = entry; });
            button.addEventListener("dblclick", () => choose(entry));
            fileList.append(button);
        }
        fileDialog.showModal();
        fileName.focus();
    }

    function closeFileDialog() {
        fileRequest = null;
        if (fileDialog.open) fileDialog.close();
        focusModelControl();
    }

    // A name as the file dialog takes it: the default extension added to one without any.
    function withExtension(name) {
        if (fileRequest.defaultExtension && !/\.[^\\/]*$/.test(name)) {
            return name + "." + fileRequest.defaultExtension;
        }
        return name;
    }

    function choose(name) {
        name = name.trim();
        if (name === "") { fileError.textContent = "Bitte einen Dateinamen angeben."; return; }
        if (!fitsWindows1252(name)) {
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
    }

    // ---- Lamp data kept in the browser ----
    async function uploadDatabase(input) {
        const file = input.files[0];
        input.value = "";
        if (!file) return;
        await files().store("LightDatabase.csv", new Uint8Array(await file.arrayBuffer()));
        showStoredFiles();
    }

    async function uploadLampFolder(input) {
        const chosen = [...input.files];
        input.value = "";
        files().clearFolder("Leuchten");
        for (const file of chosen) {
            // Only the files of the folder itself, as "Datenbank" reads it (files chosen one by
            // one come without their folder).
            const parts = file.webkitRelativePath.split("/");
            if (parts.length > 2 || !fitsWindows1252(file.name)) continue;
            await files().store("Leuchten/" + file.name, new Uint8Array(await file.arrayBuffer()),
                                true);
        }
        await files().persist();
        showStoredFiles();
    }

    function showStoredFiles() {
        const stored = files().list();
        const lamps = files().list("Leuchten");
        const parts = [];
        if (stored.includes("LightDatabase.csv")) parts.push("LightDatabase.csv");
        if (lamps.length > 0) parts.push(lamps.length + " Leuchtendateien in Leuchten");
        const data = stored.filter((name) => name !== "LightDatabase.csv" && name !== "Leuchten");
        if (data.length > 0) parts.push(data.length + " gespeicherte Berechnungen");
        document.getElementById("stored-files").textContent = parts.length > 0
            ? "Im Browser gespeichert: " + parts.join(", ") + "." : "Im Browser ist nichts gespeichert.";
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

        const sample = testMode ? null
            : new Uint8Array(await (await fetch("LightDatabase.csv")).arrayBuffer());
        program = await createLumetrix({ lumetrixPage: page, sampleDatabase: sample });
        showStoredFiles();
        if (!testMode) setInterval(() => post({ kind: kEvent.tick }), kTimerPeriod);
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
        forgetStoredFiles,
        get ready() { return program !== null; },
    };

    start();
})();
