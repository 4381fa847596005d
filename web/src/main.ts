// The page: open a .dat file, show its channels, save it again or export them as CSV.
import { loadCore, type Document } from "./core";
import { ChannelGrid } from "./grid";
import { keepOffline, openLaunchedFiles } from "./offline/offline";
import { PrintWindow } from "./print/print";
import { Settings } from "./settings";

// A menu text without its keyboard accelerator: "Language Select(&L)" -> "Language Select".
const plain = (words: string) => words.replace(/\(&.\)/, "").replace("&", "");

function download(bytes: BlobPart, type: string, name: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement("a");
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

async function main(): Promise<void> {
  const status = document.getElementById("status")!;
  const core = await loadCore();
  const doc: Document = new core.Document();
  const grid = new ChannelGrid(core);
  document.getElementById("channels")!.appendChild(grid.element);
  const say = (message: string) => (status.textContent = message);
  const settings = new Settings(core, doc, {
    changed: (channels) => channels && grid.show(doc, languages.value),
    say,
  });
  const print = new PrintWindow(core, doc, settings.windows);
  settings.bar.appendChild(print.command);
  document.querySelector("header")!.after(settings.bar, settings.windows);

  const languages = document.getElementById("language") as HTMLSelectElement;
  for (const code of core.languages()) {
    languages.add(new Option(core.languageName(code), code));
  }
  const preferred = navigator.language.slice(0, 2);
  if (core.languages().includes(preferred)) languages.value = preferred;

  const fileInput = document.getElementById("file") as HTMLInputElement;
  const openLabel = document.getElementById("open-label")!;
  const save = document.getElementById("save") as HTMLButtonElement;
  const exportCsv = document.getElementById("export-csv") as HTMLButtonElement;
  let fileName = "";

  const show = () => {
    const lang = languages.value;
    document.documentElement.lang = lang;
    openLabel.textContent = core.words("MainTexts", "Open", lang);
    save.textContent = core.words("MainTexts", "Save", lang);
    exportCsv.textContent = core.words("MainExchange", "Export Channels (CSV)…", lang);
    languages.setAttribute("aria-label", plain(core.words("MainTexts", "Language Select(&L)", lang)));
    grid.element.setAttribute("aria-label", core.words("ChannelTableWindow", "Channel Edit", lang));
    grid.show(doc, lang);
    settings.show(lang);
    print.show(lang);
  };
  languages.addEventListener("change", show);

  fileInput.addEventListener("change", async () => {
    const file = fileInput.files?.[0];
    if (!file) return;
    const failure = doc.open(new Uint8Array(await file.arrayBuffer()), file.name, languages.value);
    fileInput.value = "";
    status.textContent = failure;
    if (failure) return;
    fileName = file.name;
    save.disabled = false;
    exportCsv.disabled = false;
    show();
  });
  openLaunchedFiles(fileInput);
  save.addEventListener("click", () => download(doc.save(), "application/octet-stream", fileName));
  exportCsv.addEventListener("click", () => {
    download(doc.csv(), "text/csv", fileName.replace(/\.dat$/i, "") + ".csv");
    status.textContent = doc.csvNotes(languages.value).join("\n");
  });
  show();
  keepOffline(() => say(settings.textsIn(languages.value).updated));
}

main().catch((e: unknown) => {
  document.getElementById("status")!.textContent = String(e);
});
