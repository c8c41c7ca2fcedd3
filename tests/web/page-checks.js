// What a person meets on the page beyond the scripts of tests/cli, with real input: the caret
// where the mouse puts it, selecting by dragging and by a double click, the file dialog's names,
// an open list that stays where it was scrolled, a small browser window, the Alt keys, a
// folder of lamp files uploaded on its own. And a benchmark of a key's time under load, which
// prints its figures and checks nothing.
"use strict";

const assert = require("assert");
const { spawn } = require("child_process");
const fs = require("fs");
const path = require("path");

const kBeamAngle = 1013; // Abstrahlwinkel, "36.0" after start-up
const kCancel = 2, kSave = 1041, kLoad = 1040, kDatabase = 1048, kChoiceList = 1132, kRoomWidth = 1060;
const kWaitTimeout = 60000;
const kCannotSave = "Die Datei konnte nicht gespeichert werden !";

// The x on the screen of the place before character `index` of an edit's text, measured as
// the text is drawn: the edit's font, its padding and its alignment.
function characterX(page, selector, index) {
    return page.evaluate(`(() => {
        const node = document.querySelector(${JSON.stringify(selector)});
        const style = getComputedStyle(node);
        const measure = document.createElement("canvas").getContext("2d");
        measure.font = style.fontStyle + " " + style.fontWeight + " " + style.fontSize + " " +
            style.fontFamily;
        const box = node.getBoundingClientRect();
        const left = box.left + node.clientLeft + parseFloat(style.paddingLeft);
        const inner = node.clientWidth - parseFloat(style.paddingLeft) -
            parseFloat(style.paddingRight);
        const whole = measure.measureText(node.value).width;
        const start = style.textAlign === "right" ? left + inner - whole : left;
        return start + measure.measureText(node.value.slice(0, ${index})).width;
    })()`);
}

async function waitUntil(condition, what) {
    const end = Date.now() + kWaitTimeout;
    while (!condition()) {
        if (Date.now() > end) throw new Error("no " + what + " within " + kWaitTimeout + " ms");
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

async function middleY(person, selector) {
    return (await person.centreOf(selector))[1];
}

async function fieldState(page, selector) {
    return page.evaluate(`(() => {
        const node = document.querySelector(${JSON.stringify(selector)});
        return { value: node.value, start: node.selectionStart, end: node.selectionEnd };
    })()`);
}

async function typeText(person, text) {
    for (const character of text) await person.typeCharacter(character);
    await person.settle();
}

async function checkMouseInEdits(person) {
    const page = person.page;
    const field = person.control(kBeamAngle);
    const y = await middleY(person, field);
    await page.evaluate(`window.pressedField = document.querySelector(${JSON.stringify(field)})`);
    // Just left of the end of "36.0": the caret goes after the last character.
    await person.clickAt([(await characterX(page, field, 4)) - 1, y]);
    assert.ok(await page.evaluate(`window.pressedField === document.querySelector(${JSON.stringify(field)})`),
              "the page replaced the field the mouse pressed");
    await typeText(person, "5");
    assert.strictEqual((await fieldState(page, field)).value, "36.05",
                       "a click at the end of 36.0 and 5 do not give 36.05");
    // Dragging from after "36." to the end selects "05"; typing replaces it.
    await person.drag([await characterX(page, field, 3), y], [(await characterX(page, field, 5)) + 2, y]);
    const dragged = await fieldState(page, field);
    assert.deepStrictEqual([dragged.start, dragged.end], [3, 5], "a drag selects other characters");
    await typeText(person, "7");
    assert.strictEqual((await fieldState(page, field)).value, "36.7",
                       "typing does not replace what the drag selected");
    // Shift+click extends the selection from the caret.
    await person.clickAt([(await characterX(page, field, 1)) + 1, y], { modifiers: 8 });
    const extended = await fieldState(page, field);
    assert.deepStrictEqual([extended.start, extended.end], [1, 4], "Shift+click selects other characters");
    // A double click selects the number.
    await person.clickAt([(await characterX(page, field, 2)) + 1, y], { clickCount: 2 });
    const word = await fieldState(page, field);
    assert.deepStrictEqual([word.start, word.end], [0, word.value.length],
                           "a double click does not select the number");
}

async function fileDialogNames(page) {
    return page.evaluate(`[...document.querySelectorAll("#file-list .entry .name")]
        .map((n) => n.textContent)`);
}

async function checkFileDialogNames(person, downloads) {
    const page = person.page;
    await page.evaluate("lumetrix.makeFolder('sub')");
    await person.click(person.control(kSave));
    assert.ok((await person.situation()).fileDialog, "Speichern opens no file dialog");
    assert.ok((await fileDialogNames(page)).includes("sub"), "the file dialog lists no folder");
    await person.selectAll();
    await page.send("Input.insertText", { text: "neu" });
    await person.click("#file-ok");
    assert.ok(await page.evaluate("lumetrix.storedFiles().includes('neu.lumx')"),
              "neu is not stored as neu.lumx");
    await waitUntil(() => downloads.has("neu.lumx"), "the download of neu.lumx");
    await person.click(person.control(kLoad));
    assert.ok((await fileDialogNames(page)).includes("neu.lumx"), "Laden does not offer neu.lumx");
    assert.strictEqual(await page.evaluate("document.getElementById('file-name').value"),
                       "neu.lumx", "the file dialog does not propose the calculation's name");
    await person.click("#file-cancel");
    // A folder's name: the program refuses it as on the desktop.
    await person.click(person.control(kSave));
    await person.selectAll();
    await page.send("Input.insertText", { text: "sub" });
    await person.click("#file-ok");
    assert.ok((await page.evaluate("lumetrix.reportLog()")).includes(kCannotSave),
              "a save to a folder's name is not refused with the desktop's message");
    await person.answerWhatOpened();
}

async function checkListStaysScrolled(person) {
    const page = person.page;
    await person.click(person.control(kDatabase));
    await person.click(person.control(kChoiceList));
    const list = person.control(kChoiceList) + " .list";
    const at = await person.centreOf(list);
    await page.send("Input.dispatchMouseEvent", { type: "mouseWheel", x: at[0], y: at[1], deltaX: 0, deltaY: 200 });
    await page.waitFor(`document.querySelector(${JSON.stringify(list)}).scrollTop > 0`);
    const scrolled = await page.evaluate(`document.querySelector(${JSON.stringify(list)}).scrollTop`);
    for (let tick = 0; tick < 4; ++tick) await page.evaluate("lumetrix.tick()"); // one second
    await new Promise((resolve) => setTimeout(resolve, 1000));
    const after = await page.evaluate(`(document.querySelector(${JSON.stringify(list)}) || {}).scrollTop`);
    assert.strictEqual(after, scrolled, "the open list did not keep its scroll position");
    // The arrow keys move the selection, which stays in the visible part of the list.
    for (let row = 0; row < 25; ++row) await person.key("ArrowDown", { keyCode: 0x28 });
    await person.settle();
    const inView = await page.evaluate(`(() => {
        const list = document.querySelector(${JSON.stringify(list)});
        const selected = list.querySelector(".selected");
        return selected !== null && selected.dataset.item === "25" &&
            selected.offsetTop >= list.scrollTop &&
            selected.offsetTop + selected.offsetHeight <= list.scrollTop + list.clientHeight;
    })()`);
    assert.ok(inView, "the row the arrow keys selected is not in the visible part of the list");
    await person.key("Escape", { keyCode: 0x1B });
    await person.key("Escape", { keyCode: 0x1B });
    await person.settle();
}

// A tick of the clock that changes nothing in the program changes nothing on the page.
async function checkIdleTicks(person) {
    const page = person.page;
    await page.evaluate("lumetrix.tick()"); // the first shows the focused field's help
    const changes = await page.evaluate(`(async () => {
        let changes = 0;
        const observer = new MutationObserver((records) => { changes += records.length; });
        observer.observe(document.getElementById("screen"),
                         { subtree: true, childList: true, attributes: true, characterData: true });
        for (let tick = 0; tick < 4; ++tick) await lumetrix.tick();
        await new Promise((resolve) => setTimeout(resolve, 0));
        observer.disconnect();
        return changes;
    })()`);
    assert.strictEqual(changes, 0, "ticks that change nothing changed the page");
}

async function checkSmallWindow(person, open) {
    const page = person.page;
    await page.send("Emulation.setDeviceMetricsOverride",
                    { width: 1366, height: 650, deviceScaleFactor: 1, mobile: false });
    try {
        await open();
        const outside = await page.evaluate(`[...document.querySelectorAll("dialog.window .button")]
            .filter((b) => { const r = b.getBoundingClientRect();
                             return r.top < 0 || r.left < 0 || r.bottom > innerHeight || r.right > innerWidth; })
            .map((b) => b.textContent)`);
        assert.deepStrictEqual(outside, [], "buttons outside a 1366 x 650 window");
        await person.click(person.control(kCancel)); // ends the program
        const restart = await page.evaluate(`(() => {
            const r = document.getElementById("restart").getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];
        })()`);
        assert.ok(Math.abs(restart[1] - 325) < 40 && restart[0] > 0 && restart[0] < 1366,
                  "the ended line's button is not in the middle of the window: " + restart);
    } finally {
        await page.send("Emulation.clearDeviceMetricsOverride");
    }
}

async function checkAltKeys(person) {
    await person.key("r", { code: "KeyR", keyCode: 0x52, modifiers: 1 });
    await person.settle();
    const now = await person.situation();
    assert.ok(now.ids.some((c) => c.id === kRoomWidth), "Alt+R does not open the room dialog");
    await person.key("Escape", { keyCode: 0x1B });
    await person.settle();
    // AltGr with a key types its character, as Ctrl+Alt does on Windows.
    const field = person.control(kBeamAngle);
    await person.clickAt([(await characterX(person.page, field, 4)) - 1, await middleY(person, field)]);
    await person.key("@", { code: "KeyQ", keyCode: 0x51, text: "@", modifiers: 3 });
    await person.settle();
    assert.strictEqual((await fieldState(person.page, field)).value, "36.0@",
                       "AltGr+Q does not type @");
}

// The entries "Datenbank" lists.
async function databaseEntries(person) {
    const page = person.page;
    await person.click(person.control(kDatabase));
    await person.click(person.control(kChoiceList));
    const names = await page.evaluate(`[...document.querySelectorAll(
        ${JSON.stringify(person.control(kChoiceList) + " .item")})].map((n) => n.textContent)`);
    await person.key("Escape", { keyCode: 0x1B });
    await person.key("Escape", { keyCode: 0x1B });
    await person.settle();
    return names;
}

async function checkLampFolderAlone(person, upload, open, lampFolder) {
    const page = person.page;
    const sample = await databaseEntries(person);
    await upload("#lamps-upload", [path.resolve(lampFolder)]);
    await page.waitFor("document.getElementById('stored-files').textContent.includes('Leuchtendatei')");
    await open();
    const both = await databaseEntries(person);
    const lampFiles = fs.readdirSync(lampFolder).length;
    assert.ok(sample.length > 0, "the sample lists no lamps");
    assert.ok(sample.every((name) => both.includes(name)),
              "the sample's lamps are not listed beside the uploaded folder");
    assert.strictEqual(both.length, sample.length + lampFiles,
                       "the uploaded folder's lamps are not listed: " + both.join(" | "));
}

function percentiles(times) {
    const sorted = [...times].sort((a, b) => a - b);
    const at = (share) => sorted[Math.min(sorted.length - 1, Math.floor(share * sorted.length))];
    return `p50 ${at(0.5).toFixed(1)} ms, p99 ${at(0.99).toFixed(1)} ms, ` +
        `max ${sorted[sorted.length - 1].toFixed(1)} ms`;
}

// A database an earlier version of the page kept in the working folder moves to the planner's
// folder, beside the sample.
async function checkEarlierUploadMoved(person, open, database) {
    const page = person.page;
    const sample = await databaseEntries(person);
    await page.evaluate(`lumetrix.storeFile("LightDatabase.csv", ${JSON.stringify([...fs.readFileSync(database)])})`);
    await open();
    const both = await databaseEntries(person);
    assert.ok(both.length > sample.length && sample.every((name) => both.includes(name)),
              "the earlier upload is not listed beside the sample: " + both.join(" | "));
    assert.ok(await page.evaluate("document.getElementById('stored-files').textContent" +
                                  ".includes('LightDatabase.csv in Dokumente')"),
              "the status line does not say the database is in Dokumente\\Lumetrix");
}

// Keys into the Abstrahlwinkel field while 8 processes keep the cores busy: in the page, the
// time from the browser's key event to the scene drawn after it; and from outside, the time
// until the page has also painted (with the DevTools protocol's own round trips).
async function benchmarkKeys(person) {
    const page = person.page;
    const load = [];
    for (let i = 0; i < 8; ++i) {
        load.push(spawn(process.execPath, ["-e", "for(;;){}"], { stdio: "ignore" }));
    }
    const outside = [];
    try {
        await person.click(person.control(kBeamAngle));
        await page.evaluate("lumetrix.keyTimes().length = 0");
        for (let round = 0; round < 200; ++round) {
            const begun = process.hrtime.bigint();
            if (round % 2 === 0) {
                await person.typeCharacter(String(round % 10));
            } else {
                await person.key("Backspace", { keyCode: 0x08 });
            }
            await page.evaluate("lumetrix.whenIdle().then(() => new Promise(requestAnimationFrame))");
            outside.push(Number(process.hrtime.bigint() - begun) / 1e6);
        }
    } finally {
        load.forEach((child) => child.kill());
    }
    const inPage = await page.evaluate("lumetrix.keyTimes()");
    console.log(`benchmark: ${inPage.length} keys under a load of 8: in the page ` +
                `${percentiles(inPage)}; until painted, seen from outside ${percentiles(outside)}`);
}

module.exports = {
    checkMouseInEdits, checkFileDialogNames, checkListStaysScrolled, checkIdleTicks, checkSmallWindow,
    checkAltKeys, checkLampFolderAlone, checkEarlierUploadMoved, benchmarkKeys,
};
