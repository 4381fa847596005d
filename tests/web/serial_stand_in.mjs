// A serial cable for the browser tests: the virtual radio (talvo-radio-sim) on a pseudo-terminal,
// a local WebSocket bridge to it, and a stand-in for navigator.serial that the test injects into
// the page and that carries the port's bytes over that bridge.
import { spawn } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import tty from "node:tty";
import { once } from "node:events";
import { createRequire } from "node:module";

// Starts talvo-radio-sim with `args`; resolves to { device, stop } once it printed its device.
// stop() closes its stdin, which makes it save what it was asked to and exit.
export async function startSim(simPath, args) {
  const child = spawn(simPath, args, { stdio: ["pipe", "pipe", "inherit"] });
  const exited = new Promise((resolve) => child.on("exit", (code) => resolve(code)));
  const device = await new Promise((resolve, reject) => {
    let text = "";
    child.stdout.on("data", (d) => {
      text += d;
      const end = text.indexOf("\n");
      if (end >= 0) resolve(text.slice(0, end));
    });
    exited.then((code) => reject(new Error(`talvo-radio-sim ${args.join(" ")} exited with ${code}`)));
  });
  return {
    device,
    stop: async () => {
      child.stdin.end();
      const code = await exited;
      if (code !== 0) throw new Error(`talvo-radio-sim ended with ${code}`);
    },
  };
}

// The bridge: ws://127.0.0.1:PORT/?device=/dev/pts/N joins a WebSocket to that terminal, bytes
// both ways. Resolves to { url, close }.
export async function startBridge(webDir) {
  const require = createRequire(path.join(path.resolve(webDir), "package.json"));
  const { WebSocketServer } = require("ws");
  const deviceOf = (request) => new URL(request.url, "http://x").searchParams.get("device");
  // A device that cannot be opened refuses the connection, as a port that will not open.
  const verifyClient = ({ req }, done) => {
    try {
      fs.accessSync(deviceOf(req), fs.constants.R_OK | fs.constants.W_OK);
      done(true);
    } catch {
      done(false, 404);
    }
  };
  const server = new WebSocketServer({ host: "127.0.0.1", port: 0, verifyClient });
  await once(server, "listening");
  server.on("connection", (socket, request) => {
    const device = deviceOf(request);
    let input;
    let output;
    try {
      const flags = fs.constants.O_RDWR | fs.constants.O_NOCTTY;
      input = new tty.ReadStream(fs.openSync(device, flags));
      output = fs.openSync(device, flags);
    } catch (e) {
      socket.close(4000, String(e.message).slice(0, 100));
      return;
    }
    input.on("data", (bytes) => socket.send(bytes));
    // The virtual radio went away: so does the cable.
    input.on("error", () => socket.close());
    socket.on("message", (bytes) => {
      try {
        fs.writeSync(output, bytes);
      } catch {
        socket.close();
      }
    });
    socket.on("close", () => {
      input.destroy();
      fs.closeSync(output);
    });
  });
  return {
    url: `ws://127.0.0.1:${server.address().port}/`,
    close: () => {
      for (const client of server.clients) client.terminate();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// Runs in the page before its own code (page.evaluateOnNewDocument): navigator.serial with one
// USB cable (a CH340), plugged into the terminal window.__serialStandIn.plug(device) names.
// It records how the port was opened and which filters the chooser was given.
export function serialStandIn(bridgeUrl) {
  const lost = () => new DOMException("The device has been lost.", "NetworkError");
  const serial = new EventTarget();
  const record = { opens: [], filters: [], device: null, port: null };

  class StandInPort extends EventTarget {
    constructor() {
      super();
      this.readable = null;
      this.writable = null;
      this.socket = null;
      this.control = null;
    }
    getInfo() {
      return { usbVendorId: 0x1a86, usbProductId: 0x7523 };
    }
    async open(options) {
      if (this.readable) throw new DOMException("The port is already open.", "InvalidStateError");
      if (this !== record.port) throw new DOMException("Failed to open serial port.", "NetworkError");
      record.opens.push(options);
      const socket = new WebSocket(`${bridgeUrl}?device=${encodeURIComponent(record.device)}`);
      socket.binaryType = "arraybuffer";
      await new Promise((resolve, reject) => {
        socket.onopen = resolve;
        socket.onerror = () => reject(new DOMException("Failed to open serial port.", "NetworkError"));
      });
      this.socket = socket;
      this.readable = new ReadableStream({
        start: (control) => {
          this.control = control;
        },
      });
      socket.onmessage = (e) => this.control.enqueue(new Uint8Array(e.data));
      socket.onclose = () => this.lose();
      this.writable = new WritableStream({
        write: (chunk) => {
          if (socket.readyState !== WebSocket.OPEN) throw lost();
          socket.send(chunk);
        },
      });
    }
    async close() {
      const socket = this.socket;
      this.socket = null;
      this.readable = null;
      this.writable = null;
      if (socket) {
        socket.onclose = null;
        socket.close();
      }
    }
    // The cable is pulled out: reading fails and the port says so.
    lose() {
      try {
        this.control?.error(lost());
      } catch {
        // the page had already let the stream go
      }
      this.control = null;
      void this.close();
      this.dispatchEvent(new Event("disconnect"));
    }
  }

  serial.requestPort = async (options = {}) => {
    record.filters.push(options.filters ?? null);
    if (!record.port) throw new DOMException("No port selected by the user.", "NotFoundError");
    return record.port;
  };
  serial.getPorts = async () => (record.port ? [record.port] : []);
  Object.defineProperty(navigator, "serial", { value: serial, configurable: true });
  window.__serialStandIn = {
    record,
    // A cable to `device` is plugged in (the one before is pulled out first).
    plug(device) {
      this.unplug();
      record.device = device;
      record.port = new StandInPort();
      serial.dispatchEvent(new Event("connect"));
    },
    unplug() {
      const port = record.port;
      record.port = null;
      port?.lose();
    },
  };
}
