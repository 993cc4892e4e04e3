# Sources of cardtable/cards.
target_sources(cardtable PRIVATE
)
