// The program's own imports from the page, replacing the C library's where the page does better.
mergeInto(LibraryManager.library, {
  // fsync does not wait for IndexedDB: every file the game writes into /save is renamed into
  // place, and the page stores the folder after each rename (page/panipani.js). Waiting here only
  // stored the temporary file once more before the rename, holding up every save (three of them
  // before the first frame of a new player's page).
  fd_sync: function (fd) { return 0; },
});
