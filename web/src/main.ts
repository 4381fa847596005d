// The page: open a .dat file, show its channels, save it again or export them as CSV.
import { loadCore, type Document } from "./core";
import { ChannelGrid } from "./grid";
import { setupTransfer, type TransferPart } from "./serial/transfer_ui";

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
  let transfer: TransferPart | null = null;

  const show = () => {
    const lang = languages.value;
    document.documentElement.lang = lang;
    openLabel.textContent = core.words("MainTexts", "Open", lang);
    save.textContent = core.words("MainTexts", "Save", lang);
    exportCsv.textContent = core.words("MainExchange", "Export Channels (CSV)…", lang);
    languages.setAttribute("aria-label", plain(core.words("MainTexts", "Language Select(&L)", lang)));
    grid.element.setAttribute("aria-label", core.words("ChannelTableWindow", "Channel Edit", lang));
    grid.show(doc, lang);
    transfer?.retranslate();
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
  save.addEventListener("click", () => download(doc.save(), "application/octet-stream", fileName));
  exportCsv.addEventListener("click", () => {
    download(doc.csv(), "text/csv", fileName.replace(/\.dat$/i, "") + ".csv");
    status.textContent = doc.csvNotes(languages.value).join("\n");
  });
  transfer = setupTransfer({
    core,
    doc,
    lang: () => languages.value,
    say: (text) => {
      status.textContent = text;
    },
    replaced: () => {
      save.disabled = false;
      exportCsv.disabled = false;
      show();
    },
  });
  show();
}

main().catch((e: unknown) => {
  document.getElementById("status")!.textContent = String(e);
});
