// The page kept for play without a network: registers the service worker (sw.js, which the build
// writes with the version's files), and when the worker has fetched a new version whole in the
// background, hands `offer(accept)` a function that switches to it and reloads the page.
const PageOffline = (() => {
  function start(offer) {
    if (!('serviceWorker' in navigator)) return;
    let switching = false;
    const offered = new Set();
    // A worker that has the new version and waits for the version in use to let go. (The first
    // version has no other to wait for: it becomes active by itself, with no offer.)
    const offerWhenReady = (registration, worker) => {
      if (!worker) return;
      const check = () => {
        if (offered.has(worker) || worker.state !== 'installed' || !registration.active ||
            registration.active === worker)
          return;
        offered.add(worker);
        offer(() => {
          switching = true;
          worker.postMessage('activate');
        });
      };
      worker.addEventListener('statechange', check);
      check();
    };
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (switching) location.reload();
    });
    navigator.serviceWorker.register('sw.js').then((registration) => {
      offerWhenReady(registration, registration.waiting);
      offerWhenReady(registration, registration.installing);
      registration.addEventListener('updatefound',
                                    () => offerWhenReady(registration, registration.installing));
      // Looks for a new version now and whenever the page is seen again (a phone keeps a page
      // for days); offline, the look fails quietly.
      const look = () => registration.update().catch(() => {});
      look();
      document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'visible') look();
      });
    }, () => {});  // no worker (a page opened from a file, a host without sw.js): online only
  }

  return { start };
})();
