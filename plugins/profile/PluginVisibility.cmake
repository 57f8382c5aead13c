# Plug-in libraries export only their three entry points. The host opens every plug-in with
# RTLD_LOCAL, and with nothing else visible two builds of one source loaded together never bind to
# each other's globals.
set(PEL_PLUGIN_EXPORTS_MAP ${CMAKE_CURRENT_LIST_DIR}/PluginExports.map)

function(pel_plugin_exports_only target)
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LINK_DEPENDS ${PEL_PLUGIN_EXPORTS_MAP})
    target_link_options(${target} PRIVATE -Wl,--version-script=${PEL_PLUGIN_EXPORTS_MAP})
    if(NOT PEL_SANITIZE)
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()
