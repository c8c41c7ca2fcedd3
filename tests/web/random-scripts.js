// Random scripts for playing through the page and through the native lumetrix-cli side by
// side: typing, ticking boxes, Tab, the clock, the database, answers, and saving and loading,
// also to the name of a folder (kFolder, which both runs have in their working folder) and to
// a name with an extension of its own. Names without an extension are left out: the page's
// file dialog adds ".lumx" to them as the desktop's does, where lumetrix-cli takes a name as
// the dialog returns it.
"use strict";

const kFolder = "sub";
const kFileNames = ["a.lumx", "b.lumx", kFolder, "neu.txt"];

// mulberry32: the same scripts on every run.
function drawer(seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6D2B79F5) >>> 0;
        let z = state;
        z = Math.imul(z ^ (z >>> 15), z | 1);
        z ^= z + Math.imul(z ^ (z >>> 7), z | 61);
        return ((z ^ (z >>> 14)) >>> 0) / 4294967296;
    };
    return {
        below: (count) => Math.floor(next() * count),
        oneIn(count) { return this.below(count) === 0; },
        pick(list) { return list[this.below(list.length)]; },
    };
}

function typedValue(draw) {
    if (draw.oneIn(20)) return "";
    let value = draw.oneIn(12) ? "-" : "";
    for (let digits = 1 + draw.below(4); digits > 0; --digits) value += draw.below(10);
    if (draw.oneIn(2)) {
        value += draw.oneIn(2) ? "." : ",";
        for (let digits = draw.below(4); digits > 0; --digits) value += draw.below(10);
    }
    if (draw.oneIn(25)) value += draw.pick(["x", "..", "-"]);
    return value;
}

function fileArgument(draw) {
    return draw.oneIn(10) ? "" : " " + draw.pick(kFileNames);
}

function step(draw, quantities) {
    const kind = draw.below(40);
    if (kind < 12) {
        const value = typedValue(draw);
        return `type ${draw.below(quantities)}${value ? " " + value : ""}`;
    }
    if (kind < 19) return `click ${draw.below(quantities)}`;
    if (kind < 23) return "tab";
    if (kind < 25) return "tick";
    if (kind < 27) return draw.oneIn(2) ? "show" : "state";
    if (kind < 31) return "save" + fileArgument(draw);
    if (kind < 34) return "load" + fileArgument(draw);
    if (kind < 35) return "answer " + draw.pick(["yes", "no", "cancel"]);
    if (kind < 36) return "db";
    if (kind < 37) return "db-pick " + draw.below(40);
    if (kind < 38) return "db-cancel";
    return "enter";
}

// Script `number`: 5 to 30 steps, then `show`, as lines.
function randomScript(number, quantities) {
    const draw = drawer(number * 7919 + 17);
    const lines = [`# page random ${number}`];
    for (let steps = 5 + draw.below(26); steps > 0; --steps) lines.push(step(draw, quantities));
    lines.push("show");
    return lines;
}

module.exports = { randomScript, kFolder };
