# GoogleTest suites of the Windows test drivers; each runs as one ctest test
# under Wine (e2e_tests.exe drives the real programs, form_tests.exe builds
# the forms in its own process).
set(E2E_SUITES
    CorvelStartup
    CorvelTray
    CorvelEnding
    CorvelFrames
    CorvelHandover
    Startup
    TrayMenu
    OptionsDialog
    VersionDialog
    EffectsHotkeys
    EffectsCompanion
    EffectsFade
    EffectsRate
    CpuGraphTray
    ClipTexts
)
set(FORM_SUITES
    MainFormMenu
    OptionsForm
    OptionsApply
    VersionForm
    EffectsIndicator
    MainFormGraphAndClip
)
