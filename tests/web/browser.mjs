// Opens the built site (build/web) in Debian's headless chromium, driven by puppeteer-core:
// the site is served from a local port only this test uses, and chromium is kept off the
// network so a page that reaches for another host fails instead of waiting.
import http from "node:http";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { createRequire } from "node:module";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".mjs": "text/javascript",
  ".wasm": "application/wasm",
  ".json": "application/json",
  ".css": "text/css",
  ".map": "application/json",
  ".webmanifest": "application/manifest+json",
  ".svg": "image/svg+xml",
  ".png": "image/png",
};

// Serves `root` on 127.0.0.1 at a free port; resolves to { url, close, sent }. With `gzip`, every
// file goes gzip-compressed to a client that accepts it, as a static host serves them; `sent`
// counts the responses and their body bytes as they went on the wire.
export function serve(root, { gzip = false } = {}) {
  const sent = { responses: 0, bytes: 0 };
  const compressed = new Map();
  const server = http.createServer((request, response) => {
    const wanted = decodeURIComponent(new URL(request.url, "http://x").pathname);
    let file = path.join(root, path.normalize(wanted));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (wanted.endsWith("/")) file = path.join(file, "index.html");
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      const headers = { "Content-Type": types[path.extname(file)] ?? "application/octet-stream" };
      if (gzip && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
        if (!compressed.has(file)) compressed.set(file, zlib.gzipSync(body));
        body = compressed.get(file);
        headers["Content-Encoding"] = "gzip";
        headers.Vary = "Accept-Encoding";
      }
      sent.responses += 1;
      sent.bytes += body.length;
      response.writeHead(200, headers);
      response.end(body);
    });
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      resolve({ url: `http://127.0.0.1:${port}/`, sent, close: () => new Promise((r) => server.close(r)) });
    });
  });
}

// Starts chromium with the site of `siteDir`; resolves to { browser, page, url, sent, close }.
// `webDir` is the web/ folder whose node_modules holds puppeteer-core; `options` go to serve().
export async function openSite(webDir, siteDir, options = {}) {
  const require = createRequire(path.join(path.resolve(webDir), "package.json"));
  const puppeteer = require("puppeteer-core");
  const site = await serve(path.resolve(siteDir), options);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "talvo-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
  const page = await browser.newPage();
  const problems = [];
  page.on("pageerror", (e) => problems.push(String(e)));
  page.on("requestfailed", (r) => problems.push(`request failed: ${r.url()}`));
  page.on("request", (r) => {
    if (!r.url().startsWith(site.url) && !r.url().startsWith("data:") && !r.url().startsWith("blob:"))
      problems.push(`request to another host: ${r.url()}`);
  });
  return {
    browser,
    page,
    url: site.url,
    sent: site.sent,
    problems,
    close: async () => {
      await browser.close();
      await site.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}
