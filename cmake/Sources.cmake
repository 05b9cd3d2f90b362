# Source lists shared by the build parts.

# Platform-free: no <windows.h>, compiled natively for the unit tests too.
# Shared by both programs: no program logic.
set(COMMON_LOGIC_SOURCES
    src/common/file_version.cpp
    src/common/text.cpp
    src/common/twips.cpp
)

set(LOGIC_SOURCES
    src/settings/conversions.cpp
    src/settings/key_table.cpp
    src/settings/loaded_settings.cpp
    src/cpumon/cpu_load.cpp
    src/cpumon/cpu_graph.cpp
    src/core/version_text.cpp
    src/core/instance_mutex.cpp
    src/clip/clip_entries.cpp
    src/effects/alpha_rate.cpp
    src/settings/options_layout.cpp
    src/settings/options_values.cpp
    src/core/version_fade.cpp
    src/effects/smooth_alpha.cpp
    src/effects/companion_launch.cpp
)

# Companion logic: platform-free as well, and kept apart (Corvel links nothing of Vitrane).
set(COMPANION_LOGIC_SOURCES
    src/companion/bmp_reader.cpp
    src/companion/command_line.cpp
    src/companion/companion_messages.cpp
    src/companion/companion_names.cpp
    src/companion/frame_composition.cpp
    src/companion/icon_planes.cpp
    src/companion/raster.cpp
    src/companion/tray_animation.cpp
)

# Vitrane's Win32 side, everything but WinMain (the in-process form tests link it too).
set(VITRANE_WIN_SOURCES
    src/settings/registry_store.cpp
    src/settings/frm_options.cpp
    src/common/dpi.cpp
    src/core/version_dialog.cpp
    src/cpumon/system_cpu_counters.cpp
    src/cpumon/graph_icon.cpp
    src/clip/clipboard.cpp
    src/clip/input_box.cpp
    src/core/frm_p2hwnd.cpp
    src/core/popup_menu.cpp
    src/core/tray_icon.cpp
    src/core/single_instance.cpp
    src/core/version_resource.cpp
    src/effects/window_effects.cpp
    src/effects/companion_starter.cpp
    src/effects/hotkey_poller.cpp
    src/effects/frm_cnt.cpp
    src/effects/smooth_fade.cpp
)

set(CORVEL_WIN_SOURCES
    src/companion/companion_menu.cpp
    src/companion/corvel_form.cpp
    src/companion/tray_frames.cpp
    src/companion/tray_record.cpp
)
