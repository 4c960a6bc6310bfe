// Starts the page (after simd.js). The sound worker (panipani-sounds.js) synthesises the data
// folder's sounds from their recipes while the data package (panipani-data.js) and the program
// load: the build with WebAssembly SIMD where the browser runs it, else the plain build (?simd=0
// asks for the plain one; <html data-wasm> tells which runs). The program reads its catalogue and
// glyphs meanwhile, and waits for the sounds to be in its data folder (Module.soundsWritten) only
// where its start-up opens the first; the page's performance measure "panipani-sounds" spans
// their making (its detail.synthesisMs the worker's synthesis alone).
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
    Module.soundsWritten = sounds.then(({ sounds: files, ms }) => {
      Module.FS.mkdirTree('/data/dat');
      // The worker gave the buffers up: the files keep them as they are.
      for (const [name, bytes] of files)
        Module.FS.writeFile('/data/dat/' + name, bytes, { canOwn: true });
      performance.measure('panipani-sounds', { start: started, detail: { synthesisMs: ms } });
    }, (e) => console.error('panipani: no sounds: ' + e.message));
  });

  const simd = kWebAssemblySimd && new URLSearchParams(location.search).get('simd') !== '0';
  document.documentElement.dataset.wasm = simd ? 'simd' : 'plain';
  const program = simd ? 'panipani-simd' : 'panipani';
  // The program's WebAssembly is fetched once the page has painted itself, its title line among
  // it (shown as the page script lays the page out), at once for a page in the background, which
  // paints nothing, and after a second whatever the frames do: a download begun before the
  // page's largest paint counts in that paint's time on a slow network, by Lighthouse's model.
  const painted = new Promise((resolve) => {
    if (document.visibilityState === 'hidden') resolve();
    setTimeout(resolve, 1000);
    const frame = () => {
      if (document.body.classList.contains('laid-out')) setTimeout(resolve, 0);
      else requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  });
  Module.instantiateWasm = (imports, receive) => {
    const wasm = program + '.wasm';
    painted.then(() => WebAssembly.instantiateStreaming(fetch(wasm), imports).catch(() =>
      // A host that sends it with another type than application/wasm: compiled once whole.
      fetch(wasm).then((response) => response.arrayBuffer())
        .then((bytes) => WebAssembly.instantiate(bytes, imports))))
      .then(({ instance, module }) => receive(instance, module))
      .catch((e) => console.error('panipani: the program cannot start: ' + e.message));
    return {};
  };
  for (const src of ['panipani-data.js', program + '.js']) {
    const script = document.createElement('script');
    script.src = src;
    script.async = false;
    document.body.appendChild(script);
  }
})();
