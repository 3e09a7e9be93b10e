// Before main: the player's folder /data is kept in IndexedDB. Its files are
// read back from there first, so the program starts with the settings, the
// scores and the saved game of the last visit.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.mkdir('/data');
  FS.mount(IDBFS, {}, '/data');
  addRunDependency('brambletop-files');
  FS.syncfs(true, function(error) {
    if (error) console.warn('brambletop: cannot read the files kept in IndexedDB: ' + error);
    removeRunDependency('brambletop-files');
  });
});
