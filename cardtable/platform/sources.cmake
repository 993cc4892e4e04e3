# Sources of cardtable/platform.
target_sources(cardtable PRIVATE
)
