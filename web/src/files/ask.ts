// A question to the user in one modal dialog, with the desktop's words for the question and
// its buttons; resolves to the index of the button chosen, or -1 for Escape.
export function ask(title: string, question: string, buttons: string[]): Promise<number> {
  return new Promise((resolve) => {
    const dialog = document.createElement("dialog");
    dialog.className = "question";
    dialog.setAttribute("aria-label", title);
    const text = document.createElement("p");
    text.textContent = question;
    text.id = "question-text";
    dialog.setAttribute("aria-describedby", text.id);
    const row = document.createElement("div");
    buttons.forEach((words, i) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = words;
      button.addEventListener("click", () => finish(i));
      row.appendChild(button);
    });
    dialog.append(text, row);
    const back = document.activeElement as HTMLElement | null;
    const finish = (answer: number) => {
      dialog.close();
      dialog.remove();
      back?.focus();
      resolve(answer);
    };
    dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      finish(-1);
    });
    document.body.appendChild(dialog);
    dialog.showModal();
  });
}
