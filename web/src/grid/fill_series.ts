// Fill Series: receive frequencies from a start in steps, transmit frequencies kept, equal to
// them or at an offset, names from a pattern with a number, over the chosen channels; with the
// core's preview of what each channel gets, then the fill as one step.
import { filterTyping, type FillSeries, type Page } from "./edit_core";

export function askFillSeries(page: Page, channels: number[], done: () => void): void {
  const { core, doc } = page;
  const lang = page.lang();
  const w = (source: string) => core.words("FillSeriesDialog", source, lang);
  const bare = (words: string) => words.replace("&", "");
  const dialog = document.createElement("dialog");
  dialog.className = "fill-series";
  dialog.setAttribute(
    "aria-label",
    core.countedWords("FillSeriesDialog", "Fill Series (%n channels)", "Fill Series (%n channel)", channels.length, lang),
  );
  const input = (value: string, name: string) => {
    const e = document.createElement("input");
    e.type = "text";
    e.value = value;
    e.setAttribute("aria-label", name);
    return e;
  };
  const check = (words: string) => {
    const label = document.createElement("label");
    const box = document.createElement("input");
    box.type = "checkbox";
    label.append(box, " ", bare(words));
    return { label, box };
  };
  const rx = check(w("&Receive frequencies"));
  rx.box.checked = true;
  const rxStart = input("446.00625", w("Start frequency (MHz)"));
  const rxStep = input("12.5", w("Step (kHz)"));
  const tx = document.createElement("select");
  tx.setAttribute("aria-label", w("Transmit frequency"));
  ["Leave as it is", "Same as receive", "Receive plus offset"].forEach((s, i) => tx.add(new Option(w(s), String(i))));
  tx.value = "1";
  const txOffset = input("+5", w("Offset (MHz)"));
  const names = check(w("&Names"));
  const pattern = input("CH{n}", w("Name pattern"));
  pattern.title = w("{n} is the number, {n:02} the number with two digits (e.g. PMR{n:02})");
  const first = document.createElement("input");
  first.type = "number";
  first.min = "0";
  first.max = "99999";
  first.value = "1";
  first.setAttribute("aria-label", w("First number"));
  filterTyping(core, rxStart, false);

  const row = (...parts: (Node | string)[]) => {
    const p = document.createElement("div");
    p.append(...parts);
    return p;
  };
  const txLabel = document.createElement("label");
  txLabel.append(bare(w("&Transmit:")), " ", tx);
  const problem = document.createElement("p");
  problem.className = "fill-problem";
  const preview = document.createElement("table");
  preview.setAttribute("aria-label", w("Preview"));
  const head = preview.createTHead().insertRow();
  for (const words of [0, 1, 2, 10].map((c) => core.columnHeader(c, lang)).concat(w("Result"))) {
    const th = document.createElement("th");
    th.textContent = words;
    head.appendChild(th);
  }
  const body = preview.createTBody();
  const ok = document.createElement("button");
  ok.type = "button";
  ok.textContent = w("Fill");
  const cancel = document.createElement("button");
  cancel.type = "button";
  cancel.textContent = core.words("LocalMsgbox", "Cancel", lang);

  const series = (): FillSeries => ({
    fillRx: rx.box.checked,
    rxStart: rxStart.value,
    rxStep: rxStep.value.trim(),
    tx: Number(tx.value),
    txOffset: txOffset.value.trim(),
    fillNames: names.box.checked,
    pattern: pattern.value,
    firstNumber: Math.max(0, Math.min(99999, Math.trunc(Number(first.value)) || 0)),
  });
  const update = () => {
    rxStart.disabled = rxStep.disabled = !rx.box.checked;
    txOffset.disabled = tx.value !== "2";
    pattern.disabled = first.disabled = !names.box.checked;
    const plan = core.fillPreview(doc, channels, series(), lang);
    problem.textContent = plan.problem;
    problem.hidden = plan.problem === "";
    body.replaceChildren(
      ...plan.rows.map((cells) => {
        const tr = document.createElement("tr");
        for (const text of cells) tr.insertCell().textContent = text;
        return tr;
      }),
    );
    ok.disabled = plan.taking === 0;
  };
  for (const e of [rx.box, rxStart, rxStep, tx, txOffset, names.box, pattern, first]) e.addEventListener("input", update);

  const close = () => {
    dialog.close();
    dialog.remove();
    done();
  };
  ok.addEventListener("click", () => {
    core.fill(doc, channels, series());
    close();
    page.changed();
  });
  cancel.addEventListener("click", close);
  dialog.addEventListener("cancel", (e) => {
    e.preventDefault();
    close();
  });
  dialog.append(
    row(rx.label, " ", rxStart, " ", w("MHz, step"), " ", rxStep, " ", w("kHz")),
    row(txLabel, " ", txOffset, " ", w("MHz")),
    row(names.label, " ", pattern, " ", w("first number"), " ", first),
    problem,
    preview,
    row(ok, cancel),
  );
  update();
  document.body.appendChild(dialog);
  dialog.showModal();
  rxStart.focus();
  rxStart.select();
}
