// Every subsystem, one line each, in the order the workbench registers them.
// Included twice by workbench.cpp: once to declare, once to call.
RCA_SUBSYSTEM(registerEngine)     // length, steps, mask, border, the batch of steps
RCA_SUBSYSTEM(registerRunControl) // GO/Stop, backward batches, Reverse, batch runner
RCA_SUBSYSTEM(registerPicture)    // space-time picture and VIEW boxes
RCA_SUBSYSTEM(registerTheory)     // particle-model check
RCA_SUBSYSTEM(registerResults)    // trial check, evaluation, batch statistics, G/Gd
RCA_SUBSYSTEM(registerSetup)      // trial set-ups and generators
RCA_SUBSYSTEM(registerMouse)      // mouse editing
RCA_SUBSYSTEM(registerFiles)      // square files and presets
RCA_SUBSYSTEM(registerRcaFiles)   // RCA table files
RCA_SUBSYSTEM(registerStartup)    // FormShow
RCA_SUBSYSTEM(registerOwnMarks)   // check-mark-only items, the usage note, Prediction
RCA_SUBSYSTEM(registerRuleView)   // 'Show RCA': the rule table grid, weight profiles, usage charts
RCA_SUBSYSTEM(registerChangeExplorer) // 'Explore CHANGE': the change matrix picture and charts
RCA_SUBSYSTEM(registerMaskTest)       // 'Is MASK RCA': the mask pattern and the '70' presets
RCA_SUBSYSTEM(registerPictureImport) // READ FROM FILE (R): bright pixels of a picture
RCA_SUBSYSTEM(registerVideo) // the Video menu: picture-size window, frame and strip recorders
RCA_SUBSYSTEM(registerMaskFile)   // the freeze mask file, Do find
RCA_SUBSYSTEM(registerInitialWindow) // Show initial: the point lists, DO
RCA_SUBSYSTEM(registerImprove)       // IMPROVE: TForm11, Timer5, the search driver, snapshots
RCA_SUBSYSTEM(registerFreeze)        // FREEZE: the freeze mask search, Timer4, Draw frozen
RCA_SUBSYSTEM(registerSquareWindow)   // Show SQUARE RCA: points file records, Write Qhist, Timer7
RCA_SUBSYSTEM(registerT6)            // T=6: the trial generator and its sweep, Show T6, T6 Graf
