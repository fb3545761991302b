# Read by cpack before each package it makes (cmake/ReproduciblePackages.cmake).
# The time of every archive member is the release's unless the caller chose
# one; a ZIP entry's DOS time is local time, so cpack's own time zone is UTC.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_PUNT_RELEASE_TIME})
endif()
set(ENV{TZ} UTC)
