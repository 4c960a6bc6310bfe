// Starts the page (after simd.js). The sound worker (panipani-sounds.js) synthesises the data
// folder's sounds from their recipes while the data package (panipani-data.js) and the program
// load: the build with WebAssembly SIMD where the browser runs it, else the plain build (?simd=0
// asks for the plain one; <html data-wasm> tells which runs). The program starts once the sounds
// are in its data folder; the page's performance measure "panipani-sounds" spans their making
// (its detail.synthesisMs the worker's synthesis alone).
(function () {
  'use strict';
  const started = performance.now();
  const sounds = new Promise((resolve, reject) => {
    const worker = new Worker('panipani-sounds.js');
    worker.onmessage = ({ data }) => {
      worker.terminate();
      if (data.error) reject(new Error(data.error));
      else resolve(data);
    };
    worker.onerror = (e) => reject(new Error('the sound worker failed: ' + e.message));
  });

  const Module = (window.Module = window.Module || {});
  (Module.preRun = Module.preRun || []).push(() => {
    Module.addRunDependency('sounds');
    sounds.then(({ sounds: files, ms }) => {
      Module.FS.mkdirTree('/data/dat');
      for (const [name, bytes] of files) Module.FS.writeFile('/data/dat/' + name, bytes);
      performance.measure('panipani-sounds', { start: started, detail: { synthesisMs: ms } });
    }, (e) => console.error('panipani: no sounds: ' + e.message))
      .finally(() => Module.removeRunDependency('sounds'));
  });

  const simd = kWebAssemblySimd && new URLSearchParams(location.search).get('simd') !== '0';
  document.documentElement.dataset.wasm = simd ? 'simd' : 'plain';
  for (const src of ['panipani-data.js', simd ? 'panipani-simd.js' : 'panipani.js']) {
    const script = document.createElement('script');
    script.src = src;
    script.async = false;
    document.body.appendChild(script);
  }
})();
