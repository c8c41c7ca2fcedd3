// A small client of the DevTools protocol for headless Chromium: starts the browser on an empty
// profile of its own, attaches to one page and sends commands to it. The WebSocket client is
// Debian's node-ws.
"use strict";

const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const WebSocket = require("ws");

const kStartTimeout = 60000;
const kCommandTimeout = 60000;

class Browser {
    static async start(chromium) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), "lumetrix-chromium-"));
        const process = spawn(chromium, [
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--user-data-dir=" + profile, "--remote-debugging-port=0",
            "--window-size=1100,940", "--lang=de-DE", "about:blank",
        ], { stdio: ["ignore", "ignore", "pipe"] });
        const address = await new Promise((resolve, reject) => {
            let output = "";
            const timer = setTimeout(() => reject(new Error("Chromium did not start:\n" + output)),
                                     kStartTimeout);
            process.stderr.on("data", (data) => {
                output += data;
                const found = /DevTools listening on (ws:\S+)/.exec(output);
                if (found) {
                    clearTimeout(timer);
                    resolve(found[1]);
                }
            });
            process.on("exit", () => reject(new Error("Chromium ended:\n" + output)));
        });
        const browser = new Browser(process, profile, new WebSocket(address));
        await new Promise((resolve, reject) => {
            browser.socket.on("open", resolve);
            browser.socket.on("error", reject);
        });
        return browser;
    }

    constructor(process, profile, socket) {
        this.process = process;
        this.profile = profile;
        this.socket = socket;
        this.nextId = 1;
        this.pending = new Map();
        this.listeners = [];
        socket.on("message", (data) => this.receive(JSON.parse(data)));
    }

    receive(message) {
        if (message.id !== undefined) {
            const call = this.pending.get(message.id);
            this.pending.delete(message.id);
            if (!call) return;
            clearTimeout(call.timer);
            if (message.error) call.reject(new Error(call.method + ": " + message.error.message));
            else call.resolve(message.result);
            return;
        }
        for (const listener of this.listeners) listener(message);
    }

    send(method, params = {}, sessionId = undefined) {
        const id = this.nextId++;
        return new Promise((resolve, reject) => {
            const timer = setTimeout(() => {
                this.pending.delete(id);
                reject(new Error(method + " had no answer"));
            }, kCommandTimeout);
            this.pending.set(id, { resolve, reject, timer, method });
            this.socket.send(JSON.stringify({ id, method, params, sessionId }));
        });
    }

    on(listener) {
        this.listeners.push(listener);
    }

    async newPage() {
        const { targetId } = await this.send("Target.createTarget", { url: "about:blank" });
        const { sessionId } = await this.send("Target.attachToTarget", { targetId, flatten: true });
        return new Page(this, sessionId);
    }

    async close() {
        try {
            await this.send("Browser.close");
        } catch (error) {
            this.process.kill();
        }
        await new Promise((resolve) => {
            if (this.process.exitCode !== null) resolve();
            else this.process.on("exit", resolve);
        });
        fs.rmSync(this.profile, { recursive: true, force: true });
    }
}

class Page {
    constructor(browser, sessionId) {
        this.browser = browser;
        this.sessionId = sessionId;
    }

    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }

    // The value of an expression in the page (awaited when it is a promise).
    async evaluate(expression) {
        const { result, exceptionDetails } = await this.send("Runtime.evaluate", {
            expression, awaitPromise: true, returnByValue: true,
        });
        if (exceptionDetails) {
            throw new Error("in the page: " + (exceptionDetails.exception
                ? exceptionDetails.exception.description : exceptionDetails.text));
        }
        return result.value;
    }

    // Waits until the expression is true, at most `timeout` milliseconds.
    async waitFor(expression, timeout = 30000) {
        const end = Date.now() + timeout;
        while (!(await this.evaluate(expression))) {
            if (Date.now() > end) throw new Error("waited in vain for " + expression);
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
    }
}

module.exports = { Browser };
