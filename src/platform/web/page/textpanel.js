// The text panel: the newest message lines as real text (selectable, so that dictionaries and
// the browser's translation work on it, and in a live region a screen reader announces), the
// offered choices as real buttons (pressing one is the automation command `choose N`) and the
// item panel's rows while it is open, all drawn from the game's events.
const PageTextPanel = (() => {
  const kLines = 60;
  // The game's message colours (ui/MessageColours.h) that the panel tints its lines with.
  const kColours = new Set(['green', 'yellow', 'blue', 'pink', 'purple', 'aqua', 'red', 'yellow2',
                            'orange', 'pink2', 'blue2']);

  // Builds the panel into its elements: `log` (the live region), `choices` (where the buttons
  // go), `items` with `itemsTitle`, `itemsRows` and `itemsDetails`. `onChoose(n, event)` runs
  // when button n (1..3) is pressed.
  function create({ log, choices, items, itemsTitle, itemsRows, itemsDetails, onChoose }) {
    const buttons = [1, 2, 3].map((n) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.hidden = true;
      const key = document.createElement('span');
      key.className = 'key';
      key.textContent = String(n);
      const label = document.createElement('span');
      button.append(key, label);
      button.addEventListener('click', (e) => onChoose(n, e));
      choices.appendChild(button);
      return { button, label };
    });

    // New lines wait for the next frame and enter together: a burst of them (fast-forward,
    // automation) costs one layout.
    let waiting = [];
    function showWaiting() {
      const lines = waiting;
      waiting = [];
      // Only a reader at the bottom is carried along; one who scrolled back stays there.
      const atBottom = log.scrollHeight - log.scrollTop - log.clientHeight < 8;
      log.append(...lines);
      while (log.childElementCount > kLines) log.firstElementChild.remove();
      if (atBottom) log.scrollTop = log.scrollHeight;
    }
    function addLine(text, colour) {
      const line = document.createElement('p');
      line.textContent = text;
      if (kColours.has(colour)) line.className = 'colour-' + colour;
      if (waiting.length === 0) requestAnimationFrame(showWaiting);
      waiting.push(line);
      if (waiting.length > kLines) waiting.shift();
    }

    return {
      // Takes one event of the game (the automation protocol's JSON object).
      see(event) {
        switch (event.ev) {
          case 'message':
            addLine(event.text, event.colour);
            break;
          case 'choices':
            buttons.forEach(({ button, label }, i) => {
              const text = event.labels[i] || '';
              label.textContent = text;
              button.hidden = text === '';
              button.disabled = false;
              button.classList.remove('chosen');
            });
            break;
          case 'chosen':
            buttons.forEach(({ button }, i) => {
              button.disabled = true;
              button.classList.toggle('chosen', i + 1 === event.button);
            });
            break;
          case 'panel':
            itemsTitle.textContent = event.mode;
            itemsRows.replaceChildren(...event.rows.map((row) => {
              const item = document.createElement('li');
              item.textContent = row;
              return item;
            }));
            itemsDetails.textContent = '';
            items.hidden = false;
            break;
          case 'details':
            itemsDetails.textContent = event.text.replace(/\r/g, '\n');
            break;
          case 'panel-hidden':
            items.hidden = true;
            break;
          default:
            break;
        }
      },
    };
  }

  return { create };
})();
