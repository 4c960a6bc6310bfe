// The text panel: the newest message lines as real text (selectable, so that dictionaries and
// the browser's translation work on it, and in a live region a screen reader announces), the
// offered choices as real buttons (pressing one is the automation command `choose N`) and the
// item panel's rows while it is open, in the language the player reads: the program sends what
// the picture shows (platform/web/PageTextFeed.h).
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
    let replacing = false;
    function showWaiting() {
      const lines = waiting;
      waiting = [];
      // Only a reader at the bottom is carried along; one who scrolled back stays there.
      const atBottom = replacing || log.scrollHeight - log.scrollTop - log.clientHeight < 8;
      if (replacing) log.replaceChildren();
      log.append(...lines);
      while (log.childElementCount > kLines) log.firstElementChild.remove();
      if (atBottom) log.scrollTop = log.scrollHeight;
      replacing = false;
      log.removeAttribute('aria-busy');
    }
    // A message line: its text in `lang`, and reading both, its English under it.
    function addLine({ text, lang, english, colour }) {
      const line = document.createElement('p');
      line.lang = lang;
      line.textContent = text;
      if (english) {
        const under = document.createElement('span');
        under.lang = 'en';
        under.textContent = english;
        line.append(document.createElement('br'), under);
      }
      if (kColours.has(colour)) line.className = 'colour-' + colour;
      if (waiting.length === 0) requestAnimationFrame(showWaiting);
      waiting.push(line);
      if (waiting.length > kLines) waiting.shift();
    }

    return {
      // Takes one object of what the game shows (PageTextFeed.h).
      see(event) {
        switch (event.ev) {
          case 'message':
            addLine(event);
            break;
          case 'choices':
            buttons.forEach(({ button, label }, i) => {
              const text = event.labels[i] || '';
              label.lang = event.lang;
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
            items.lang = event.lang;
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
            itemsDetails.textContent = event.text;
            break;
          case 'panel-hidden':
            items.hidden = true;
            break;
          // Everything comes again in another language: the old lines go with the first new ones
          // (the live region holds its announcements meanwhile).
          case 'clear':
            waiting = [];
            replacing = true;
            log.setAttribute('aria-busy', 'true');
            requestAnimationFrame(showWaiting);
            buttons.forEach(({ button }) => { button.hidden = true; });
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
