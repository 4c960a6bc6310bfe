// The page's sound worker around SoundWorker.cpp: runs it once and posts the page one message,
// {sounds: [[name, bytes], ...], ms} with every WAVE file (their buffers transferred) and the
// milliseconds the synthesis took, or {error}.
Module.sounds = [];
Module.soundDone = (name, bytes) => Module.sounds.push([name, bytes]);
Module.preRun = [() => { Module.started = performance.now(); }];
Module.postRun = [() => {
  postMessage({ sounds: Module.sounds, ms: performance.now() - Module.started },
              Module.sounds.map(([, bytes]) => bytes.buffer));
}];
Module.onAbort = (what) => postMessage({ error: 'the sound worker stopped: ' + what });
