// Offline and installable: the service worker (sw.js, written by build.mjs with every file of
// the site) keeps the page for use without a network, and an installed page opens the .dat
// files the system hands it (file handlers, where the browser has them).

// Registers the service worker; `updated` is told when a newer version of the site has been
// kept over an older one (the page shown is the older until it is loaded again).
export function keepOffline(updated: () => void): void {
  if (!("serviceWorker" in navigator) || !window.isSecureContext) return;
  const hadController = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker
    .register("sw.js")
    .then((registration) => {
      registration.addEventListener("updatefound", () => {
        const worker = registration.installing;
        worker?.addEventListener("statechange", () => {
          if (worker.state === "activated" && hadController) updated();
        });
      });
    })
    .catch(() => {
      // Without it the page works as long as it is online.
    });
}

interface LaunchParams {
  files: LaunchedFile[];
}
export interface LaunchedFile {
  getFile(): Promise<File>;
}
declare global {
  interface Window {
    launchQueue?: { setConsumer(consumer: (params: LaunchParams) => void): void };
  }
}

// Opens the file the installed page was started with (its .dat file handler) as the Open
// command opens a chosen one; `handle` is the browser's handle of it.
export function openLaunchedFiles(open: (file: File, handle: LaunchedFile) => void): void {
  window.launchQueue?.setConsumer(async (params) => {
    const handle = params.files[0];
    if (handle) open(await handle.getFile(), handle);
  });
}
