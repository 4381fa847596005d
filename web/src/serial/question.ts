// The one dialog the transfer part asks its questions in: a title, the text, an optional table
// (the change list) and two answers. Escape or the second answer says no.
export interface Question {
  title: string;
  text: string;
  yes: string;
  no: string;
  table?: { name: string; titles: string[]; rows: string[][]; caption: string };
}

export class QuestionDialog {
  readonly element: HTMLDialogElement;

  constructor() {
    this.element = document.createElement("dialog");
    this.element.className = "question";
    document.body.appendChild(this.element);
  }

  ask(q: Question): Promise<boolean> {
    const d = this.element;
    d.replaceChildren();
    const title = document.createElement("h2");
    title.id = "question-title";
    title.textContent = q.title;
    const text = document.createElement("p");
    text.id = "question-text";
    text.style.whiteSpace = "pre-line";
    text.textContent = q.text;
    d.setAttribute("aria-labelledby", title.id);
    d.setAttribute("aria-describedby", text.id);
    d.append(title, text);
    if (q.table) {
      const caption = document.createElement("p");
      caption.textContent = q.table.caption;
      const table = document.createElement("table");
      table.setAttribute("aria-label", q.table.name);
      const head = table.createTHead().insertRow();
      for (const t of q.table.titles) {
        const th = document.createElement("th");
        th.scope = "col";
        th.textContent = t;
        head.appendChild(th);
      }
      const body = table.createTBody();
      for (const row of q.table.rows) {
        const tr = body.insertRow();
        for (const cell of row) tr.insertCell().textContent = cell;
      }
      const scroller = document.createElement("div");
      scroller.className = "question-table";
      scroller.appendChild(table);
      d.append(caption, scroller);
    }
    const buttons = document.createElement("p");
    const yes = document.createElement("button");
    yes.type = "button";
    yes.textContent = q.yes;
    const no = document.createElement("button");
    no.type = "button";
    no.textContent = q.no;
    buttons.append(yes, no);
    d.append(buttons);
    return new Promise((resolve) => {
      const answer = (value: boolean) => {
        d.removeEventListener("cancel", onCancel);
        d.close();
        resolve(value);
      };
      const onCancel = (e: Event) => {
        e.preventDefault();
        answer(false);
      };
      d.addEventListener("cancel", onCancel);
      yes.addEventListener("click", () => answer(true));
      no.addEventListener("click", () => answer(false));
      d.showModal();
      // Writing is never the answer a stray Enter gives.
      no.focus();
    });
  }
}
