// Set Column of Chosen Channels: one value for the current column of every chosen channel (or
// of the channels the find box shows), typed into the same editor the cell has, then put in
// through the core, which checks each channel as typing does and says which kept what they held.
import { filterTyping, type Page } from "./edit_core";

const RX = 1;
const TX = 2;
const NAME = 10;

export function askColumnValue(page: Page, channels: number[], channel: number, column: number, done: () => void): void {
  const { core, doc } = page;
  const lang = page.lang();
  const word = core.columnHeader(column, lang);
  const fill = (words: string) => words.replace("%1", word);
  const dialog = document.createElement("dialog");
  dialog.className = "column-value";
  dialog.setAttribute("aria-label", fill(core.words("ColumnValueDialog", "Set %1 of Chosen Channels", lang)));
  const intro = document.createElement("p");
  intro.textContent = fill(
    core.countedWords("ColumnValueDialog", "%1 of %n channels becomes:", "%1 of %n channel becomes:", channels.length, lang),
  );
  const label = document.createElement("label");
  let field: HTMLInputElement | HTMLSelectElement;
  const text = column === RX || column === TX || column === NAME;
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = core.words("LocalMsgbox", "OK", lang);
  if (text) {
    const input = document.createElement("input");
    input.type = "text";
    input.value = doc.cell(channel - 1, column, lang);
    const frequency = column !== NAME;
    // An empty frequency would delete channels or do nothing: Delete does the one.
    const update = () => (ok.disabled = frequency && input.value === "");
    filterTyping(core, input, !frequency, update);
    update();
    field = input;
  } else {
    const select = document.createElement("select");
    core.listEntries(column, lang).forEach((w, i) => select.add(new Option(w, String(i))));
    select.value = String(Math.max(0, core.optionIndex(doc, channel, column)));
    field = select;
  }
  field.setAttribute("aria-label", word);
  label.append(fill(core.words("ColumnValueDialog", "%1:", lang)), " ", field);
  const cancel = document.createElement("button");
  cancel.type = "button";
  cancel.textContent = core.words("LocalMsgbox", "Cancel", lang);
  const buttons = document.createElement("div");
  buttons.append(ok, cancel);
  dialog.append(intro, label, buttons);

  const close = () => {
    dialog.close();
    dialog.remove();
    done();
  };
  const accept = () => {
    if (ok.disabled) return;
    const message =
      field instanceof HTMLSelectElement
        ? core.setColumn(doc, channels, column, "", Number(field.value), lang)
        : core.setColumn(doc, channels, column, field.value, 0, lang);
    close();
    page.changed();
    if (message) page.tell(message);
  };
  ok.addEventListener("click", accept);
  cancel.addEventListener("click", close);
  field.addEventListener("keydown", (e) => {
    if ((e as KeyboardEvent).key === "Enter") {
      e.preventDefault();
      accept();
    }
  });
  dialog.addEventListener("cancel", (e) => {
    e.preventDefault();
    close();
  });
  document.body.appendChild(dialog);
  dialog.showModal();
  field.focus();
  if (field instanceof HTMLInputElement) field.select();
}
