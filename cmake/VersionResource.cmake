# orvan_version_resource(): gives a Windows program or library the full version resource that Explorer, the
# installer's About dialog and a maker's release check read. Natively it does nothing.
#
#   orvan_version_resource(<target>
#     FILE_DESCRIPTION "Orvan Cutbench"       # required
#     ORIGINAL_FILENAME "Benchmate.exe"        # required: the name the file ships under
#     [INTERNAL_NAME "Benchmate.exe"]          # default: ORIGINAL_FILENAME
#     [PRODUCT_NAME "Orvan Cutbench"]          # default: Orvan Cutbench
#     [FILE_VERSION 1.33.0.0]                  # default: the project version, four parts
#     [PRODUCT_VERSION 1.0.0.0])               # default: FILE_VERSION
#
# Call it after add_executable/add_library; the resource is US English, code page 1252.

set(ORVAN_COMPANY_NAME "Orvan Cutting Systems")
set(ORVAN_LEGAL_COPYRIGHT "Copyright (C) 2026 Orvan Cutting Systems. All rights reserved.")

# A version as the resource needs it twice: "1.33.0.0" for the strings and 1,33,0,0 for the fixed part.
function(_orvan_four_part_version text out_dotted out_commas)
  string(REGEX MATCHALL "[0-9]+" parts "${text}")
  list(LENGTH parts count)
  if(count LESS 1 OR count GREATER 4 OR NOT text MATCHES "^[0-9]+(\\.[0-9]+)*$")
    message(FATAL_ERROR "orvan_version_resource: \"${text}\" is no version of one to four numbers")
  endif()
  foreach(part ${parts})
    if(part GREATER 65535)
      message(FATAL_ERROR "orvan_version_resource: \"${text}\" has a part above 65535")
    endif()
  endforeach()
  while(count LESS 4)
    list(APPEND parts 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN parts "." dotted)
  list(JOIN parts "," commas)
  set(${out_dotted} ${dotted} PARENT_SCOPE)
  set(${out_commas} ${commas} PARENT_SCOPE)
endfunction()

# Resource scripts double a quote inside a string.
function(_orvan_rc_string text out)
  string(REPLACE "\"" "\"\"" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(orvan_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(V "" "FILE_DESCRIPTION;ORIGINAL_FILENAME;INTERNAL_NAME;PRODUCT_NAME;FILE_VERSION;PRODUCT_VERSION" "" ${ARGN})
  if(V_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "orvan_version_resource(${target}): unknown arguments ${V_UNPARSED_ARGUMENTS}")
  endif()
  foreach(required FILE_DESCRIPTION ORIGINAL_FILENAME)
    if(NOT V_${required})
      message(FATAL_ERROR "orvan_version_resource(${target}): ${required} is required")
    endif()
  endforeach()
  if(NOT V_INTERNAL_NAME)
    set(V_INTERNAL_NAME ${V_ORIGINAL_FILENAME})
  endif()
  if(NOT V_PRODUCT_NAME)
    set(V_PRODUCT_NAME "Orvan Cutbench")
  endif()
  if(NOT V_FILE_VERSION)
    set(V_FILE_VERSION ${CMAKE_PROJECT_VERSION})
  endif()
  if(NOT V_PRODUCT_VERSION)
    set(V_PRODUCT_VERSION ${V_FILE_VERSION})
  endif()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(FILE_TYPE "VFT_APP")
  elseif(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
    set(FILE_TYPE "VFT_DLL")
  else()
    message(FATAL_ERROR "orvan_version_resource(${target}): only programs and libraries carry a version resource")
  endif()

  _orvan_four_part_version("${V_FILE_VERSION}" FILE_VERSION FILE_VERSION_NUMBERS)
  _orvan_four_part_version("${V_PRODUCT_VERSION}" PRODUCT_VERSION PRODUCT_VERSION_NUMBERS)
  foreach(field FILE_DESCRIPTION ORIGINAL_FILENAME INTERNAL_NAME PRODUCT_NAME)
    _orvan_rc_string("${V_${field}}" ${field})
  endforeach()
  _orvan_rc_string("${ORVAN_COMPANY_NAME}" COMPANY_NAME)
  _orvan_rc_string("${ORVAN_LEGAL_COPYRIGHT}" LEGAL_COPYRIGHT)

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  file(CONFIGURE OUTPUT ${rc} @ONLY CONTENT [=[
// Version resource of @ORIGINAL_FILENAME@, made by orvan_version_resource().
#include <winver.h>

VS_VERSION_INFO VERSIONINFO
FILEVERSION @FILE_VERSION_NUMBERS@
PRODUCTVERSION @PRODUCT_VERSION_NUMBERS@
FILEFLAGSMASK VS_FFI_FILEFLAGSMASK
FILEFLAGS 0
FILEOS VOS_NT_WINDOWS32
FILETYPE @FILE_TYPE@
FILESUBTYPE VFT2_UNKNOWN
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904E4"
    BEGIN
      VALUE "CompanyName", "@COMPANY_NAME@"
      VALUE "FileDescription", "@FILE_DESCRIPTION@"
      VALUE "FileVersion", "@FILE_VERSION@"
      VALUE "InternalName", "@INTERNAL_NAME@"
      VALUE "LegalCopyright", "@LEGAL_COPYRIGHT@"
      VALUE "OriginalFilename", "@ORIGINAL_FILENAME@"
      VALUE "ProductName", "@PRODUCT_NAME@"
      VALUE "ProductVersion", "@PRODUCT_VERSION@"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1252
  END
END
]=])
  target_sources(${target} PRIVATE ${rc})
endfunction()
