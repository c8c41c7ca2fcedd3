// A static web server for the page in build/wasm/web/, on this machine only.
//   node serve-page.js FOLDER [PORT]   serves until ended, printing its address
// The browser tests use serve() the same way, on a free port.
"use strict";

const fs = require("fs");
const http = require("http");
const path = require("path");

const kTypes = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
    ".wasm": "application/wasm", ".png": "image/png", ".svg": "image/svg+xml",
    ".ttf": "font/ttf", ".csv": "text/csv; charset=windows-1252",
};

function serve(folder, port = 0) {
    folder = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
        const file = path.join(folder, name === "/" ? "index.html" : name);
        if (!file.startsWith(folder + path.sep) || !fs.existsSync(file) ||
            fs.statSync(file).isDirectory()) {
            response.writeHead(404);
            response.end();
            return;
        }
        response.writeHead(200, {
            "Content-Type": kTypes[path.extname(file)] || "application/octet-stream",
            "Cache-Control": "no-cache",
        });
        response.end(fs.readFileSync(file));
    });
    return new Promise((resolve, reject) => {
        server.on("error", reject);
        server.listen(port, "127.0.0.1", () => resolve(server));
    });
}

if (require.main === module) {
    const [folder, port] = process.argv.slice(2);
    serve(folder, port ? +port : 0).then((server) => {
        console.log(`Lumetrix im Browser: http://127.0.0.1:${server.address().port}/`);
    }, (error) => {
        console.error("cannot serve the page: " + error.message);
        process.exit(1);
    });
}

module.exports = { serve };
