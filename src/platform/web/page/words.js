// The page's own words (its menu, notes and labels; the game's texts are the game's) in each
// language the page speaks, in one table so that they can join a translation catalogue, and the
// language the game is read in as the page starts: the address's ?lang= (ja, en or both), else
// Japanese where the browser's languages put it first, else English. The words are Japanese while
// the game is read in Japanese, else English.
const PageWords = (() => {
  const kTable = {
    ja: {
      menu: 'メニュー',
      fullscreen: '全画面 (F11)',
      mute: '消音 (M)',
      unmute: '消音を解除 (M)',
      panelSwitch: '文字パネル',
      auto: 'オート (A)',
      options: '設定 (F2)',
      language: '言語 (T): {mode}',
      download: 'セーブを保存',
      upload: 'セーブを読み込む',
      screen: 'ゲームの画面。クリックかタップで進みます',
      panel: '文字パネル',
      messages: 'メッセージ',
      choices: '選択肢',
      items: 'アイテム',
      yes: 'はい (Y)',
      no: 'いいえ (N)',
      noSave: 'まだセーブがありません。',
      uploadRefused: 'このファイルは読み込めません ({why})。今のセーブはそのままです。',
      saveFailed: 'セーブをブラウザに残せませんでした ({why})。「セーブを保存」でファイルに残せます。',
      storageFull: 'ブラウザの保存領域がいっぱいです',
      storageTemporary: 'このブラウザはページを閉じるとセーブを消します (プライベートブラウズ?)。' +
                        '「セーブを保存」でファイルに残せます。',
      fullscreenRefused: '全画面にできません ({why})。',
      ended: 'ゲームは終了しました。',
      endedWith: 'ゲームは終了しました ({status})。',
      update: '新しい版があります。',
      reload: '読み込み直す',
    },
    en: {
      menu: 'Menu',
      fullscreen: 'Fullscreen (F11)',
      mute: 'Mute (M)',
      unmute: 'Sound on (M)',
      panelSwitch: 'Text panel',
      auto: 'Auto mode (A)',
      options: 'Options (F2)',
      language: 'Language (T): {mode}',
      download: 'Download save',
      upload: 'Upload save',
      screen: 'The game. Click or tap to go on',
      panel: 'Text panel',
      messages: 'Messages',
      choices: 'Choices',
      items: 'Items',
      yes: 'Yes (Y)',
      no: 'No (N)',
      noSave: 'There is no save yet.',
      uploadRefused: 'This file cannot be loaded ({why}). The save you have is kept.',
      saveFailed: 'The save could not be kept in the browser ({why}). "Download save" keeps it ' +
                  'in a file.',
      storageFull: "the browser's storage is full",
      storageTemporary: 'This browser forgets the save when the page closes (private browsing?). ' +
                        '"Download save" keeps it in a file.',
      fullscreenRefused: 'Fullscreen is not available ({why}).',
      ended: 'The game has ended.',
      endedWith: 'The game has ended ({status}).',
      update: 'A new version is ready.',
      reload: 'Reload',
    },
  };
  // The modes of the game's language as the program names them (--lang), each in its own words.
  const kModes = { ja: '日本語', en: 'English', both: '日本語 + English' };

  // The mode the game starts in: `asked` (the address's ?lang=) when it names one, else Japanese
  // when the first of `languages` (BCP 47 tags, most wanted first) is Japanese, else English.
  function startingMode(asked, languages) {
    if (Object.hasOwn(kModes, String(asked))) return asked;
    const first = String(languages[0] || '').toLowerCase();
    return first === 'ja' || first.startsWith('ja-') ? 'ja' : 'en';
  }

  let lang = 'ja';
  return {
    startingMode,
    // The name of `mode` in its own words ("日本語", "English", "日本語 + English").
    modeName(mode) { return kModes[mode]; },
    // Speaks the words of game `mode`'s page: Japanese for ja, else English; returns the language.
    use(mode) {
      lang = mode === 'ja' ? 'ja' : 'en';
      return lang;
    },
    get lang() { return lang; },
    // The text of `key`, its {name} places filled from `values`.
    text(key, values = {}) {
      return kTable[lang][key].replace(/\{(\w+)\}/g, (_, name) => String(values[name]));
    },
    // Writes the words into the elements under `root` that name them: data-words for the
    // text, data-label for the accessible name.
    apply(root) {
      for (const e of root.querySelectorAll('[data-words]')) e.textContent = this.text(e.dataset.words);
      for (const e of root.querySelectorAll('[data-label]'))
        e.setAttribute('aria-label', this.text(e.dataset.label));
    },
  };
})();
