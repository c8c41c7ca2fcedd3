// The page in headless Chromium against the native program:
//  - each script of tests/cli is played through the page as a person would, with real key and
//    mouse events at the controls' places (Input.dispatchKeyEvent, Input.dispatchMouseEvent),
//    and must give what the native lumetrix-cli prints for it; the files it saves, downloaded
//    from the page, must be byte for byte those the native program writes;
//  - so must random scripts (random-scripts.js), which also save to the name of a folder;
//  - after start-up the page must show the texts of the desktop screenshot
//    (docs/screenshot-main.png); its screenshot is kept in the output folder;
//  - what a person meets beyond the scripts (page-checks.js): the caret where the mouse puts
//    it, the file dialog's names, lists, the window's size, the Alt keys, uploads; and a
//    benchmark of a key's time, which prints its figures.
// The page's clock is the test's: a script's "tick" is one tick of the page's timers.
//
//   node page-tests.js PAGE_FOLDER NATIVE_CLI SCRIPTS_FOLDER OUTPUT_FOLDER [NAME]
// NAME plays only the scripts whose names contain it; "person" only the checks of
// page-checks.js and "random" only the random scripts, which run with every script otherwise.
"use strict";

const assert = require("assert");
const { spawnSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const { Browser } = require("./cdp");
const pageChecks = require("./page-checks");
const { randomScript, kFolder } = require("./random-scripts");
const { serve } = require("../../scripts/lib/serve-page");

const [pageFolder, nativeCli, scriptsFolder, outputFolder, only = ""] = process.argv.slice(2);
const kChromium = process.env.CHROMIUM || "chromium";
const kDownloadTimeout = 30000;
// How many random scripts (random-scripts.js) the page plays against the native program.
const kRandomScripts = +(process.env.LUMETRIX_PAGE_RANDOM_SCRIPTS || 40);

// Controls of the main dialog: the edit and the "Vorgabe" checkbox of each quantity.
const kEditIds = [1010, 1011, 1012, 1013, 1014, 1016, 1015, 1017, 1018, 1019, 1020, 1021, 1022,
                  1023, 1024, 1025, 1026, 1027, 1028, 1029, 1042, 1046, 1051];
const kCheckboxIds = [1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1030, 1031,
                      1032, 1033, 1034, 1035, 1036, 1037, 1038, 1039, 1045, 1047, 1052];
const kLoad = 1040, kSave = 1041, kDatabase = 1048, kRoom = 1049, kChoiceList = 1132;
// The room dialog's inputs in the order the `room` command gives them.
const kRoomInputIds = [1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068];
const kOk = 1, kCancel = 2, kYes = 6, kNo = 7;
// What the page names its folders, and what the native run's output calls them.
const kPageFolders = [["/Arbeitsordner", "{Arbeitsordner}"], ["/Programm", "{Programmordner}"],
                      ["/Dokumente", "{Dokumente}"]];

// ---- The native run, as tests/cli/RunScript.cmake makes it ----
// `folders` are made in the working folder first.
function nativeRun(script, work, inputs, folders) {
    const folder = path.join(work, "native");
    const documents = folder + ".Dokumente";
    fs.mkdirSync(folder, { recursive: true });
    fs.mkdirSync(documents, { recursive: true });
    for (const made of folders) fs.mkdirSync(path.join(folder, made));
    // The page keeps uploads in the planner's folder, Dokumente\\Lumetrix, as the desktop does.
    const planner = path.join(documents, "Lumetrix");
    fs.mkdirSync(planner, { recursive: true });
    if (inputs.database) fs.copyFileSync(inputs.database, path.join(planner, "LightDatabase.csv"));
    if (inputs.lamps) fs.cpSync(inputs.lamps, path.join(planner, "Leuchten"), { recursive: true });
    const run = spawnSync(path.resolve(nativeCli), [path.resolve(script)], {
        cwd: folder, env: { ...process.env, LUMETRIX_DOCUMENTS: documents }, encoding: "utf8",
        timeout: 60000,
    });
    let out = run.stdout;
    for (const [from, to] of [[documents, "{Dokumente}"], [folder, "{Arbeitsordner}"],
                              [path.dirname(path.resolve(nativeCli)), "{Programmordner}"]]) {
        out = out.split(from).join(to);
    }
    const failed = /script line (\d+):/.exec(run.stderr);
    const written = fs.readdirSync(folder).filter((file) =>
        file !== "LightDatabase.csv" && file !== "Leuchten" &&
        fs.statSync(path.join(folder, file)).isFile());
    return {
        out, status: run.status, failedLine: failed ? +failed[1] : 0,
        files: new Map(written.map((file) => [file, fs.readFileSync(path.join(folder, file))])),
    };
}

function scriptInputs(dir, name) {
    const database = path.join(dir, name + ".csv");
    const lamps = path.join(dir, name + ".Leuchten");
    return {
        database: fs.existsSync(database) ? database : null,
        lamps: fs.existsSync(lamps) ? lamps : null,
    };
}

// ---- Real input ----
class Person {
    constructor(page) {
        this.page = page;
        this.answers = []; // for question boxes, as lumetrix-cli queues them
    }

    async settle() {
        await this.page.evaluate("lumetrix.whenIdle()");
    }

    // The centre of a control of the window that takes input, or of an element of the page.
    async centreOf(selector) {
        const box = await this.page.evaluate(`(() => {
            const node = document.querySelector(${JSON.stringify(selector)});
            if (!node) return null;
            node.scrollIntoView({ block: "nearest" });
            const r = node.getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];
        })()`);
        if (!box) throw new Error("nothing on the page at " + selector);
        return box;
    }

    control(id) {
        return `dialog.window:not(.inactive) [data-id="${id}"]`;
    }

    async mouse(type, [x, y], { clickCount = 1, modifiers = 0, buttons = 0 } = {}) {
        await this.page.send("Input.dispatchMouseEvent", {
            type, x, y, button: type === "mouseMoved" && !buttons ? "none" : "left",
            buttons: type === "mousePressed" ? 1 : buttons, clickCount, modifiers,
        });
    }

    async click(selector) {
        await this.clickAt(await this.centreOf(selector));
    }

    async clickAt(at, { clickCount = 1, modifiers = 0 } = {}) {
        await this.mouse("mouseMoved", at);
        for (let count = 1; count <= clickCount; ++count) {
            await this.mouse("mousePressed", at, { clickCount: count, modifiers });
            await this.mouse("mouseReleased", at, { clickCount: count, modifiers });
        }
        await this.settle();
    }

    async drag(from, to) {
        await this.mouse("mouseMoved", from);
        await this.mouse("mousePressed", from);
        await this.mouse("mouseMoved", to, { buttons: 1 });
        await this.mouse("mouseReleased", to);
        await this.settle();
    }

    // Presses a control and lets the button go elsewhere: it takes the focus, nothing more.
    async pressAside(selector) {
        const at = await this.centreOf(selector);
        await this.mouse("mouseMoved", at);
        await this.mouse("mousePressed", at);
        await this.mouse("mouseMoved", [2, 2]);
        await this.mouse("mouseReleased", [2, 2]);
        await this.settle();
    }

    async key(key, { code = key, keyCode = 0, text = "", modifiers = 0 } = {}) {
        await this.page.send("Input.dispatchKeyEvent", {
            type: text ? "keyDown" : "rawKeyDown", key, code, text, unmodifiedText: text,
            windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode, modifiers,
        });
        await this.page.send("Input.dispatchKeyEvent", {
            type: "keyUp", key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode,
            modifiers,
        });
    }

    async typeCharacter(character) {
        const upper = character.toUpperCase();
        const keyCode = /^[A-Z0-9]$/.test(upper) ? upper.charCodeAt(0)
            : character === " " ? 0x20 : character === "." ? 0xBE : character === "," ? 0xBC
            : character === "-" ? 0xBD : 0;
        await this.key(character, { code: "", keyCode, text: character });
    }

    async selectAll() {
        await this.key("a", { code: "KeyA", keyCode: 0x41, modifiers: 2 });
    }

    // The state of the page's windows: the active one is a message box, a program dialog or
    // the main dialog; the page's own file dialog may be open.
    async situation() {
        return this.page.evaluate(`(() => {
            const active = document.querySelector("dialog.window:not(.inactive)");
            const ids = active ? [...active.querySelectorAll("[data-id]")].map((n) => ({
                id: +n.dataset.id, kind: n.className })) : [];
            return {
                ended: lumetrix.ended(),
                fileDialog: document.getElementById("file-dialog").open,
                windows: document.querySelectorAll("dialog.window").length,
                ids,
            };
        })()`);
    }

    // Answers what opened, as lumetrix-cli does: question boxes from the queued answers (No
    // without one), other boxes with Abbrechen or OK; program dialogs by `dialogAnswer` or
    // Escape; the file dialog by `fileAnswer` or Abbrechen.
    async answerWhatOpened(dialogAnswer, fileAnswer) {
        for (let round = 0; round < 50; ++round) {
            const now = await this.situation();
            if (now.ended) return;
            if (now.fileDialog) {
                if (fileAnswer) {
                    const answer = fileAnswer;
                    fileAnswer = null;
                    await answer();
                } else {
                    await this.click("#file-cancel");
                }
                continue;
            }
            if (now.windows <= 1) return;
            const buttons = now.ids.filter((c) => c.kind.includes("button")).map((c) => c.id);
            const isBox = now.ids.every((c) => /text|picture|button/.test(c.kind));
            if (isBox) {
                await this.click(this.control(this.boxAnswer(buttons)));
            } else if (dialogAnswer) {
                const answer = dialogAnswer;
                dialogAnswer = null;
                await answer();
            } else {
                await this.key("Escape", { keyCode: 0x1B });
                await this.settle();
            }
        }
        throw new Error("dialogs kept opening");
    }

    boxAnswer(buttons) {
        if (buttons.includes(kYes)) {
            let answer = this.answers.length > 0 ? this.answers.shift() : kNo;
            if (answer === kCancel && !buttons.includes(kCancel)) answer = kNo;
            return answer;
        }
        return buttons.includes(kCancel) ? kCancel : kOk;
    }
}

// ---- One script through the page ----
async function playScript(person, lines, failedLine, downloads, downloadFolder) {
    const page = person.page;
    for (let number = 1; number <= lines.length; ++number) {
        if (failedLine && number > failedLine) break;
        const line = lines[number - 1].replace(/\r$/, "");
        if (/^[ \t]*$/.test(line) || line.startsWith("#")) continue;
        const space = line.indexOf(" ");
        const command = space < 0 ? line : line.slice(0, space);
        const argument = space < 0 ? "" : line.slice(space + 1);
        // Only a choice beyond the list shows the list before it fails.
        if (number === failedLine && !(command === "db-pick" && /^\d+$/.test(argument))) break;
        if ((await person.situation()).ended) break;
        await play(person, command, argument, downloads, downloadFolder);
        if (number === failedLine) break;
    }
    await person.settle();
    return page.evaluate("lumetrix.reportLog()");
}

async function play(person, command, argument, downloads, downloadFolder) {
    const page = person.page;
    switch (command) {
    case "click":
        await person.click(person.control(kCheckboxIds[+argument]));
        await person.answerWhatOpened();
        return;
    case "type": {
        const space = argument.indexOf(" ");
        const quantity = +(space < 0 ? argument : argument.slice(0, space));
        const text = space < 0 ? "" : argument.slice(space + 1);
        await person.click(person.control(kEditIds[quantity]));
        await person.selectAll();
        for (const character of text) await person.typeCharacter(character);
        await person.settle();
        await person.answerWhatOpened();
        return;
    }
    case "tab":
        await person.key("Tab", { keyCode: 0x09 });
        await person.settle();
        return;
    case "focus":
        await person.pressAside(person.control(+argument));
        return;
    case "enter":
        await person.key("Enter", { keyCode: 0x0D, text: "\r" });
        await person.settle();
        await person.answerWhatOpened();
        return;
    case "tick":
        await page.evaluate("lumetrix.tick()");
        return;
    case "show":
    case "state":
        await page.evaluate(`lumetrix.report(${JSON.stringify(command)})`);
        return;
    case "answer":
        person.answers.push({ yes: kYes, no: kNo, cancel: kCancel }[argument]);
        return;
    case "save":
    case "load":
        await person.click(person.control(command === "save" ? kSave : kLoad));
        await person.answerWhatOpened(null, argument === "" ? null : async () => {
            const downloaded = downloads.get(argument);
            if (command === "load" && downloaded) {
                // The file saved before, from the download folder, through the upload, once
                // the browser has written it.
                const end = Date.now() + kDownloadTimeout;
                while (!downloaded.completed) {
                    if (Date.now() > end) throw new Error("the download of " + argument + " never completed");
                    await new Promise((resolve) => setTimeout(resolve, 20));
                }
                const { root } = await page.send("DOM.getDocument");
                const { nodeId } = await page.send("DOM.querySelector",
                                                   { nodeId: root.nodeId, selector: "#file-upload" });
                await page.send("DOM.setFileInputFiles", {
                    nodeId, files: [path.join(downloadFolder, downloaded.guid)],
                });
                // The page reads and keeps the file before it answers the program.
                await page.waitFor("!document.getElementById('file-dialog').open");
                await person.settle();
                return;
            }
            await person.selectAll();
            await page.send("Input.insertText", { text: argument });
            await person.click("#file-ok");
        });
        return;
    case "db":
    case "db-pick":
    case "db-cancel":
        await person.click(person.control(kDatabase));
        await person.answerWhatOpened(async () => {
            if (command === "db") {
                await person.click(person.control(kOk));
                return;
            }
            if (command === "db-cancel") {
                await person.click(person.control(kCancel));
                return;
            }
            const items = await page.evaluate(`document.querySelector(
                ${JSON.stringify(person.control(kChoiceList))}).dataset.items`);
            if (+argument >= +items) {
                await person.click(person.control(kCancel));
                return;
            }
            await person.click(person.control(kChoiceList)); // opens the list
            await person.click(person.control(kChoiceList) + ` [data-item="${+argument}"]`);
            await person.click(person.control(kOk));
        });
        return;
    case "room":
    case "room-show":
        await person.click(person.control(kRoom));
        await person.answerWhatOpened(async () => {
            const inputs = command === "room" ? argument.split(" ") : [];
            for (let input = 0; input < inputs.length; ++input) {
                await person.click(person.control(kRoomInputIds[input]));
                await person.selectAll();
                for (const character of inputs[input]) await person.typeCharacter(character);
                await person.settle();
            }
            const line = await page.evaluate(`lumetrix.take("room")`);
            if (command === "room-show") {
                await page.evaluate(`lumetrix.log(${JSON.stringify(line)})`);
                await person.click(person.control(kCancel));
                return;
            }
            await person.click(person.control(kOk));
            // A refused room keeps the dialog open behind its message: then no line, as
            // lumetrix-cli prints none.
            if ((await person.situation()).windows <= 1) {
                await page.evaluate(`lumetrix.log(${JSON.stringify(line)})`);
            }
        });
        return;
    default:
        throw new Error("no way to play " + command + " through the page");
    }
}

// ---- The page for one script: its database and lamp files uploaded, then a fresh start ----
async function openPage(page, address, inputs, query = "?test") {
    await page.send("Page.navigate", { url: address + query });
    await page.waitFor("window.lumetrix && lumetrix.ready");
    await page.evaluate("lumetrix.forgetStoredFiles()");
    const { root } = await page.send("DOM.getDocument");
    const upload = async (selector, files) => {
        const { nodeId } = await page.send("DOM.querySelector", { nodeId: root.nodeId, selector });
        await page.send("DOM.setFileInputFiles", { nodeId, files });
    };
    if (inputs.database) {
        await upload("#database-upload", [path.resolve(inputs.database)]);
        await page.waitFor("document.getElementById('stored-files').textContent" +
                           ".includes('LightDatabase.csv')");
    }
    if (inputs.lamps) {
        await upload("#lamps-upload", [path.resolve(inputs.lamps)]); // the folder, as chosen
        await page.waitFor("document.getElementById('stored-files').textContent" +
                           ".includes('Leuchtendatei')");
    }
    // What was uploaded is in the browser's storage: a new visit finds it there.
    await visitPage(page, address, query);
}

async function visitPage(page, address, query) {
    await page.send("Page.navigate", { url: address + query });
    await page.waitFor("window.lumetrix && lumetrix.ready");
    await page.evaluate("lumetrix.whenIdle()");
}

function pageOutput(log) {
    let out = log;
    for (const [from, to] of kPageFolders) out = out.split(from).join(to);
    return out;
}

// ---- Start-up against the desktop screenshot ----
async function checkStartUp(page, address) {
    await page.send("Page.navigate", { url: address + "?test" });
    await page.waitFor("window.lumetrix && lumetrix.ready");
    await page.evaluate("lumetrix.whenIdle()");
    await page.evaluate("lumetrix.tick()"); // the help text and picture of the first tick
    await page.evaluate("document.fonts.ready");
    // The main dialog alone, as the desktop's screenshot shows it.
    const clip = await page.evaluate(`(() => {
        const r = document.querySelector("dialog.window").getBoundingClientRect();
        return { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height, scale: 1 };
    })()`);
    const shot = await page.send("Page.captureScreenshot", { format: "png", clip });
    fs.writeFileSync(path.join(outputFolder, "page-after-start.png"), Buffer.from(shot.data, "base64"));
    const shown = await page.evaluate(`(() => {
        const main = document.querySelector("dialog.window");
        const texts = [main.querySelector(".caption .title").textContent];
        for (const node of main.querySelectorAll(".client [data-id]")) {
            if (node.hidden) continue;
            const text = node.matches("input") ? node.value
                : node.matches("fieldset") ? node.querySelector("legend").textContent
                : node.textContent;
            for (const line of text.split("\\n")) if (line.trim()) texts.push(line.trim());
        }
        return texts;
    })()`);
    const expected = fs.readFileSync(path.join(__dirname, "startup-texts.txt"), "utf8")
        .split("\n").filter((line) => line && !line.startsWith("#"));
    assert.deepStrictEqual([...shown].sort(), [...expected].sort(),
                           "the page after start-up shows other texts than the desktop");
}

// The page as a person uses it (page-checks.js), each check on a fresh page.
async function checkPerson(page, address, downloads) {
    const person = new Person(page);
    const fresh = (query = "?test") => openPage(page, address, {}, query);
    const upload = async (selector, files) => {
        const { root } = await page.send("DOM.getDocument");
        const { nodeId } = await page.send("DOM.querySelector", { nodeId: root.nodeId, selector });
        await page.send("DOM.setFileInputFiles", { nodeId, files });
    };
    const sample = "?test&sample"; // with the sample database in the program's folder
    const checks = [
        { name: "the mouse in an edit: caret, drag, Shift+click, double click",
          run: () => pageChecks.checkMouseInEdits(person) },
        { name: "the file dialog's names: neu.lumx, a folder's name refused",
          run: () => pageChecks.checkFileDialogNames(person, downloads) },
        { name: "an open list keeps its scroll position", query: sample,
          run: () => pageChecks.checkListStaysScrolled(person) },
        { name: "ticks that change nothing touch nothing",
          run: () => pageChecks.checkIdleTicks(person) },
        { name: "the dialog's buttons inside a 1366 x 650 window",
          run: () => pageChecks.checkSmallWindow(person, () => fresh()) },
        { name: "Alt+R opens the room dialog", run: () => pageChecks.checkAltKeys(person) },
        { name: "a folder Leuchten uploaded alone is listed beside the sample", query: sample,
          run: () => pageChecks.checkLampFolderAlone(person, upload,
              () => visitPage(page, address, sample), path.join(scriptsFolder, "lamp-files.Leuchten")) },
        { name: "a database kept by an earlier page moves beside the sample", query: sample,
          run: () => pageChecks.checkEarlierUploadMoved(person,
              () => visitPage(page, address, sample), path.join(scriptsFolder, "database.csv")) },
        { name: "benchmark", run: () => pageChecks.benchmarkKeys(person) },
    ];
    let failures = 0;
    for (const { name, query, run } of checks) {
        try {
            await fresh(query);
            downloads.clear();
            await run();
            console.log(`ok   ${name}`);
        } catch (error) {
            console.log(`FAIL ${name}: ${error.message}`);
            ++failures;
        }
    }
    return failures;
}

// Plays a script through the page and through the native program, `folders` made in both
// working folders first: the page must print the same lines and offer the same files, byte
// for byte. Returns how many files the script saved.
async function compareWithNative(context, script, inputs, folders) {
    const { page, address, begun, done, downloads, downloadFolder } = context;
    const work = fs.mkdtempSync(path.join(path.resolve(outputFolder),
                                          path.basename(script, ".script") + "-"));
    const native = nativeRun(script, work, inputs, folders);
    await openPage(page, address, inputs);
    for (const folder of folders) await page.evaluate(`lumetrix.makeFolder(${JSON.stringify(folder)})`);
    begun.clear();
    done.clear();
    downloads.clear();
    const lines = fs.readFileSync(script, "utf8").split("\n");
    const log = await playScript(new Person(page), lines, native.failedLine, downloads,
                                 downloadFolder);
    assert.strictEqual(pageOutput(log), native.out, "the page printed other lines");
    const offered = await page.evaluate("lumetrix.downloadsOffered()");
    const end = Date.now() + kDownloadTimeout;
    while ((begun.size < offered || [...begun.keys()].some((guid) => !done.has(guid))) &&
           Date.now() < end) {
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    for (const [name, bytes] of native.files) {
        const downloaded = downloads.get(name);
        assert.ok(downloaded, "the page offered no download of " + name);
        const got = fs.readFileSync(path.join(downloadFolder, downloaded.guid));
        assert.ok(got.equals(bytes), name + " downloaded differs from the native file");
    }
    return native.files.size;
}

async function main() {
    fs.mkdirSync(outputFolder, { recursive: true });
    const server = await serve(path.resolve(pageFolder));
    const address = `http://127.0.0.1:${server.address().port}/`;
    const browser = await Browser.start(kChromium);
    const downloadFolder = path.resolve(outputFolder, "downloads");
    fs.rmSync(downloadFolder, { recursive: true, force: true });
    fs.mkdirSync(downloadFolder, { recursive: true });
    let failures = 0, passed = 0;
    try {
        await browser.send("Browser.setDownloadBehavior", {
            behavior: "allowAndName", downloadPath: downloadFolder, eventsEnabled: true,
        });
        const page = await browser.newPage();
        await page.send("Page.enable");
        await page.send("Runtime.enable");
        const begun = new Map(), done = new Set();
        const downloads = new Map(); // name -> the last download of that name
        browser.on((message) => {
            if (message.method === "Browser.downloadWillBegin") {
                begun.set(message.params.guid, message.params.suggestedFilename);
                downloads.set(message.params.suggestedFilename, { guid: message.params.guid });
            } else if (message.method === "Browser.downloadProgress" &&
                       message.params.state === "completed") {
                done.add(message.params.guid);
                for (const download of downloads.values()) {
                    if (download.guid === message.params.guid) download.completed = true;
                }
            } else if (message.method === "Runtime.exceptionThrown") {
                console.error("page error:", message.params.exceptionDetails.exception
                    ? message.params.exceptionDetails.exception.description
                    : message.params.exceptionDetails.text);
            }
        });

        await checkStartUp(page, address);
        console.log("start-up: the page shows the desktop's texts (page-after-start.png)");

        if (only === "" || only === "person") {
            failures += await checkPerson(page, address, downloads);
        }

        const context = { page, address, begun, done, downloads, downloadFolder };
        const compare = async (name, script, inputs, folders = []) => {
            try {
                const saved = await compareWithNative(context, script, inputs, folders);
                console.log(`ok   ${name} (${saved} saved files alike)`);
                ++passed;
            } catch (error) {
                console.log(`FAIL ${name}: ${error.message}`);
                ++failures;
            }
        };
        const scripts = fs.readdirSync(scriptsFolder)
            .filter((f) => f.endsWith(".script") && f.includes(only)).sort();
        for (const file of scripts) {
            await compare(file, path.join(scriptsFolder, file),
                          scriptInputs(scriptsFolder, path.basename(file, ".script")));
        }
        if (only === "" || only === "random") {
            const randomFolder = path.resolve(outputFolder, "random");
            fs.mkdirSync(randomFolder, { recursive: true });
            const inputs = { database: path.join(scriptsFolder, "database.csv"), lamps: null };
            for (let number = 0; number < kRandomScripts; ++number) {
                const script = path.join(randomFolder, number + ".script");
                fs.writeFileSync(script, randomScript(number, kEditIds.length).join("\n") + "\n");
                await compare("random script " + number, script, inputs, [kFolder]);
            }
        }
    } finally {
        await browser.close();
        server.close();
    }
    console.log(`${passed} passed, ${failures} failed`);
    process.exit(failures === 0 ? 0 : 1);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
